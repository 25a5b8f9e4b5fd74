// The window on an ordinary laptop screen and under a dark desktop theme.
#include "FrameFixture.h"

#include "app/CommandIds.h"

#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QToolBar>
#include <QToolButton>

namespace {

using DesktopFit = FrameFixture;

TEST_F(DesktopFit, WholeToolbarShowsAt1280PixelsWithLabelsAndPictures)
{
    frame->showNormal();
    frame->resize(1280, 720);
    QApplication::processEvents();
    QToolBar *bar = frame->toolBar();
    EXPECT_LE(bar->sizeHint().width(), 1280);
    auto *overflow = bar->findChild<QToolButton *>(QStringLiteral("qt_toolbar_ext_button"));
    ASSERT_NE(overflow, nullptr);
    EXPECT_FALSE(overflow->isVisible());
    for (QAction *a : bar->actions()) {
        if (a->isSeparator())
            continue;
        if (auto *programs = qobject_cast<QComboBox *>(bar->widgetForAction(a))) {
            EXPECT_TRUE(programs->isVisible());
            EXPECT_GE(programs->width(), programs->fontMetrics().horizontalAdvance(programs->placeholderText()));
            continue;
        }
        auto *button = qobject_cast<QToolButton *>(bar->widgetForAction(a));
        ASSERT_NE(button, nullptr);
        EXPECT_TRUE(button->isVisible()) << a->iconText().toStdString();
        EXPECT_GE(button->width(), 40 + 8) << a->iconText().toStdString();
        EXPECT_GE(button->width(), button->fontMetrics().horizontalAdvance(a->iconText()))
            << a->iconText().toStdString();
    }
}

TEST_F(DesktopFit, WeeklyMenuChecksTheShownDayWithoutPictures)
{
    QMenu *weekly = frame->menuBar()->actions().at(4)->menu();
    frame->commandAction(Cmd::Thursday)->trigger();
    // the seven weekdays open the menu; the commands after them are no days
    ASSERT_GE(weekly->actions().size(), 7);
    for (QAction *a : weekly->actions().mid(0, 7)) {
        EXPECT_TRUE(a->isCheckable()) << a->text().toStdString();
        EXPECT_FALSE(a->isIconVisibleInMenu()) << a->text().toStdString();
        EXPECT_EQ(a->isChecked(), a == frame->commandAction(Cmd::Thursday)) << a->text().toStdString();
    }
    // the toolbar keeps its pictures
    EXPECT_FALSE(frame->commandAction(Cmd::Thursday)->icon().isNull());
}

// Under a dark theme the list reads like every other window: the palette's light text on its
// dark base, never light text on the light blue; back under a light theme the light blue returns.
TEST_F(DesktopFit, ListTakesADarkThemesColoursAndGivesThemBackAfterwards)
{
    const QPalette before = QApplication::palette();
    QPalette dark = before;
    dark.setColor(QPalette::Base, Qt::black);
    dark.setColor(QPalette::Text, Qt::white);
    QApplication::setPalette(dark);
    CMainFrame darkFrame(*settings, messages, files);
    darkFrame.initialUpdate();
    darkFrame.view()->editInsert();

    const QModelIndex cell = darkFrame.view()->model()->index(0, 2);
    ASSERT_TRUE(cell.isValid());
    auto colours = [&] {
        return std::pair(cell.data(Qt::ForegroundRole).value<QColor>(), cell.data(Qt::BackgroundRole).value<QColor>());
    };
    EXPECT_EQ(colours(), std::pair(QColor(Qt::white), QColor(Qt::black)));
    EXPECT_EQ(darkFrame.view()->viewport()->palette().color(QPalette::Base), QColor(Qt::black));

    QApplication::setPalette(before);
    QCoreApplication::processEvents(); // the change reaches the widgets as a posted event
    EXPECT_EQ(colours(), std::pair(QColor(Qt::black), QColor(170, 230, 255)));
    EXPECT_EQ(darkFrame.view()->viewport()->palette().color(QPalette::Text), QColor(Qt::black));
}

} // namespace
