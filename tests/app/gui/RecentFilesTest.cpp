#include "FrameFixture.h"

#include "schedule/ScheduleFiles.h"
#include "support/TestPaths.h"

#include <QFile>
#include <QMenu>

namespace {

class RecentFiles : public FrameFixture {
protected:
    // Opens the File menu's Open Recent and clicks its entry `index`, as the operator does.
    void choose(int index)
    {
        QMenu *menu = frame->recentFilesMenu();
        menu->popup(QPoint(0, 0));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
        ASSERT_LT(index, menu->actions().size());
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(menu->actions().at(index)).center());
    }
};

TEST_F(RecentFiles, ListsTheLastFourAndDropsAMissingOneWithAMessage)
{
    QStringList paths;
    for (const char *name : {"a.mdb", "b.mdb", "c.mdb", "d.mdb", "e.mdb"}) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        ASSERT_TRUE(QFile::copy(binPath(ScheduleFiles::kTemplateFileName), path));
        settings->addRecentFile(path);
        paths.prepend(path);
    }
    QMenu *menu = frame->recentFilesMenu();
    emit menu->aboutToShow();
    QStringList shown;
    for (QAction *a : menu->actions())
        shown << a->text();
    EXPECT_EQ(shown,
              (QStringList{QStringLiteral("&1 e.mdb"), QStringLiteral("&2 d.mdb"), QStringLiteral("&3 c.mdb"),
                           QStringLiteral("&4 b.mdb")}));

    choose(2);
    EXPECT_EQ(frame->windowTitle().remove(QStringLiteral("[*]")).section(QLatin1Char(' '), 0, 0),
              QStringLiteral("c.mdb"));
    EXPECT_EQ(settings->recentFiles().value(0), paths.at(2));
    EXPECT_TRUE(messages.shown.isEmpty());

    ASSERT_TRUE(QFile::remove(paths.at(1)));
    choose(2); // d.mdb, now third
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown.front().contains(QStringLiteral("d.mdb"))) << messages.shown.front().toStdString();
    EXPECT_FALSE(settings->recentFiles().contains(paths.at(1)));
    EXPECT_EQ(frame->windowTitle().remove(QStringLiteral("[*]")).section(QLatin1Char(' '), 0, 0),
              QStringLiteral("c.mdb"));
}

} // namespace
