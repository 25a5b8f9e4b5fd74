#include "app/Translations.h"
#include "document/ListColumns.h"
#include "FrameFixture.h"
#include "schedule/Weekday.h"
#include "schedule/WeeklySchedule.h"

#include <QMenuBar>
#include <QToolBar>
#include <QTranslator>

namespace {

QStringList menuTitles(CMainFrame *frame)
{
    QStringList titles;
    for (QAction *a : frame->menuBar()->actions())
        titles << a->text();
    return titles;
}

QStringList toolbarLabels(CMainFrame *frame)
{
    QStringList labels;
    for (QAction *a : frame->findChild<QToolBar *>(QStringLiteral("toolBar"))->actions())
        labels << a->iconText();
    return labels;
}

void removeTranslations()
{
    for (QTranslator *t : qApp->findChildren<QTranslator *>()) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
}

void clickCellTwice(CTavrinView *view, int row, int column)
{
    const QRect cell = view->visualRect(view->model()->index(row, column));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell.center());
}

class SpanishFrame : public FrameFixture {
protected:
    void SetUp() override
    {
        installed = installTranslations(*qApp, QLocale(QLocale::Spanish, QLocale::Spain),
                                        QCoreApplication::applicationDirPath());
        FrameFixture::SetUp();
    }
    void TearDown() override
    {
        FrameFixture::TearDown();
        removeTranslations();
    }
    bool installed = false;
};

} // namespace

TEST_F(SpanishFrame, MenusMessagesAndCellsAreSpanishWhileStoredValuesStayEnglish)
{
    ASSERT_TRUE(installed);
    const QStringList titles = menuTitles(frame.get());
    EXPECT_TRUE(titles.contains(QStringLiteral("&Archivo"))) << titles.join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(titles.contains(QStringLiteral("&Edición")));
    EXPECT_TRUE(titles.contains(QStringLiteral("&Semanal")));
    const QStringList labels = toolbarLabels(frame.get());
    EXPECT_TRUE(labels.contains(QStringLiteral("Guardar")));
    EXPECT_TRUE(labels.contains(QStringLiteral("MIÉ")));

    // a Melody row with AC on, toggled by hand: the list shows Spanish, the week keeps English
    CTavrinView *view = frame->view();
    QTest::keyClick(frame.get(), Qt::Key_Insert);
    ASSERT_EQ(view->shownRowCount(), 1);
    clickCellTwice(view, 0, kColumnMelodyVoice);
    clickCellTwice(view, 0, kColumnAc);
    EXPECT_EQ(view->model()->index(0, kColumnMelodyVoice).data().toString(), QStringLiteral("Melodía"));
    EXPECT_EQ(view->model()->index(0, kColumnAc).data().toString(), QStringLiteral("ENC"));
    EXPECT_EQ(view->model()->headerData(kColumnMelodyVoice, Qt::Horizontal).toString(), QStringLiteral("Melodía/Voz"));
    const std::vector<ScheduleEntry> monday = view->schedule().day(kMonday).entries();
    ASSERT_EQ(monday.size(), 1u);
    EXPECT_EQ(monday[0].MelodyVoice, "Melody");
    EXPECT_EQ(monday[0].AC, "ON");

    // File > New over the change asks in Spanish
    QTest::keyClick(frame.get(), Qt::Key_N, Qt::ControlModifier);
    ASSERT_EQ(messages.asked.size(), 1);
    EXPECT_TRUE(messages.asked.front().startsWith(QStringLiteral("¿Guardar los cambios en")))
        << messages.asked.front().toStdString();
}

TEST_F(FrameFixture, TheCLocaleLeavesEveryTextEnglish)
{
    EXPECT_FALSE(installTranslations(*qApp, QLocale::c(), QCoreApplication::applicationDirPath()));
    removeTranslations();
    const QStringList titles = menuTitles(frame.get());
    EXPECT_TRUE(titles.contains(QStringLiteral("&File")));
    EXPECT_TRUE(titles.contains(QStringLiteral("&Weekly")));
    EXPECT_TRUE(toolbarLabels(frame.get()).contains(QStringLiteral("WED")));
    QTest::keyClick(frame.get(), Qt::Key_Insert);
    QTest::keyClick(frame.get(), Qt::Key_N, Qt::ControlModifier);
    ASSERT_EQ(messages.asked.size(), 1);
    EXPECT_TRUE(messages.asked.front().startsWith(QStringLiteral("Save changes to")));
}
