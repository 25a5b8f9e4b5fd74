#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "FrameFixture.h"

#include <map>
#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace {

QMenu *menuHolding(QMenuBar *bar, QAction *action)
{
    for (QAction *top : bar->actions())
        if (QMenu *menu = top->menu(); menu && menu->actions().contains(action))
            return menu;
    return nullptr;
}

} // namespace

class CommandRouting : public FrameFixture { };

TEST_F(CommandRouting, EveryCommandReachesItsHandlerFromMenuButtonAndKey)
{
    std::map<int, int> calls;
    for (const CommandInfo &info : commandTable()) {
        ASSERT_TRUE(frame->hasHandler(info.id)) << info.id;
        frame->setHandler(info.id, [&calls, id = info.id] { ++calls[id]; });
    }

    for (const CommandInfo &info : commandTable()) {
        QAction *action = frame->commandAction(info.id);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->data().toInt(), info.id);
        int expected = 0;

        // the menu item
        QMenu *menu = menuHolding(frame->menuBar(), action);
        ASSERT_NE(menu, nullptr) << info.menuText;
        action->trigger();
        EXPECT_EQ(calls[info.id], ++expected) << info.menuText << " from the menu";

        // the toolbar button
        if (*info.toolbarLabel) {
            auto *button = qobject_cast<QToolButton *>(frame->toolBar()->widgetForAction(action));
            ASSERT_NE(button, nullptr) << info.toolbarLabel;
            EXPECT_EQ(button->text(), QString::fromLatin1(info.toolbarLabel));
            QTest::mouseClick(button, Qt::LeftButton);
            EXPECT_EQ(calls[info.id], ++expected) << info.toolbarLabel << " from the toolbar";
        }

        // the key
        if (*info.key) {
            const QKeyCombination key = QKeySequence(QString::fromLatin1(info.key))[0];
            QTest::keyClick(frame.get(), key.key(), key.keyboardModifiers());
            EXPECT_EQ(calls[info.id], ++expected) << info.key << " for " << info.menuText;
        }
    }
}

TEST_F(CommandRouting, MenuShowsTheKeysThatWork)
{
    // The key hint after the tab names the command's own key ("[Insert]" for Insert).
    for (QAction *action : frame->actions()) {
        const QString hint = action->text().section(QLatin1Char('\t'), 1).trimmed();
        if (hint.isEmpty())
            continue;
        const QString key = action->shortcut().toString();
        const bool named = hint == QStringLiteral("[%1]").arg(action->text().section(QLatin1Char('\t'), 0, 0));
        EXPECT_TRUE(hint == key || named) << action->text().toStdString() << " has key " << key.toStdString();
    }
    EXPECT_EQ(frame->commandAction(Cmd::Download)->shortcut(), QKeySequence(Qt::Key_F4));
    EXPECT_EQ(frame->commandAction(Cmd::Upload)->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_EQ(frame->commandAction(Cmd::AutoSet)->shortcut(), QKeySequence(Qt::Key_F3));
}

TEST_F(CommandRouting, MenusAndToolbarInTheirOrder)
{
    QStringList titles;
    for (QAction *top : frame->menuBar()->actions())
        titles << top->text();
    EXPECT_EQ(titles,
              (QStringList{QStringLiteral("&File"), QStringLiteral("&Edit"), QStringLiteral("&View"),
                           QStringLiteral("&Tavrin"), QStringLiteral("&Weekly"), QStringLiteral("&About")}));

    QStringList file;
    for (QAction *a : frame->menuBar()->actions().first()->menu()->actions())
        file << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(file,
              (QStringList{QStringLiteral("&New\tCtrl+N"), QStringLiteral("&Open...\tCtrl+O"),
                           QStringLiteral("Open &Recent"), QStringLiteral("&Save\tCtrl+S"), QStringLiteral("-"),
                           QStringLiteral("&Print...\tCtrl+P"), QStringLiteral("Print Pre&view..."),
                           QStringLiteral("Print &Week..."), QStringLiteral("Export P&DF..."),
                           QStringLiteral("P&rint Setup..."), QStringLiteral("-"), QStringLiteral("E&xit")}));

    QStringList labels;
    for (QAction *a : frame->toolBar()->actions())
        labels << (a->isSeparator() ? QStringLiteral("|") : a->iconText());
    EXPECT_EQ(labels,
              (QStringList{QStringLiteral("New"), QStringLiteral("Open"), QStringLiteral("Save"), QStringLiteral("|"),
                           QStringLiteral("Print"), QStringLiteral("|"), QStringLiteral("Time Set"),
                           QStringLiteral("Auto Set"), QStringLiteral("Download"), QStringLiteral("Upload"),
                           QStringLiteral("|"), QStringLiteral("MON"), QStringLiteral("TUE"), QStringLiteral("WED"),
                           QStringLiteral("THU"), QStringLiteral("FRI"), QStringLiteral("SAT"), QStringLiteral("SUN"),
                           QStringLiteral("Day program")}));
    EXPECT_EQ(frame->toolBar()->iconSize(), QSize(40, 32));
    EXPECT_EQ(frame->toolBar()->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    for (QAction *a : frame->toolBar()->actions()) {
        // the day programs' drop-down has no picture
        if (!a->isSeparator() && !qobject_cast<QComboBox *>(frame->toolBar()->widgetForAction(a))) {
            EXPECT_FALSE(a->icon().isNull()) << a->iconText().toStdString();
        }
    }
}

TEST_F(CommandRouting, StatusBarShowsThePromptOfTheHoveredCommand)
{
    const std::pair<int, const char *> prompts[] = {
        {Cmd::FileNew, "Create a new document"},
        {Cmd::FileSave, "Save the active document"},
        {Cmd::EditInsert, "Insert an Item."},
        {Cmd::TimeSetting, "Time setting of Tavrin"},
        {Cmd::Wednesday, "Make a schedule for the Wednesday"},
    };
    for (const auto &[id, prompt] : prompts) {
        QAction *action = frame->commandAction(id);
        QMenu *menu = menuHolding(frame->menuBar(), action);
        ASSERT_NE(menu, nullptr);
        menu->popup(QPoint(0, 0));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
        QTest::mouseMove(menu, menu->actionGeometry(action).center());
        EXPECT_EQ(frame->statusBar()->currentMessage(), QString::fromLatin1(prompt));
        menu->hide();
    }
    // the tooltip is the part after the line break, and names the command the button runs
    EXPECT_EQ(frame->commandAction(Cmd::FileSave)->toolTip(), QStringLiteral("Save"));
}

TEST_F(CommandRouting, WeekdayButtonsAreOneCheckGroupWithTheWeeklyMenu)
{
    EXPECT_TRUE(frame->commandAction(Cmd::Monday)->isChecked());
    for (int day = 7; day >= 1; --day) {
        auto *button = qobject_cast<QToolButton *>(
            frame->toolBar()->widgetForAction(frame->commandAction(Cmd::Weekdays[day - 1])));
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(frame->view()->shownDay(), day);
        for (int d = 1; d <= 7; ++d) {
            EXPECT_EQ(frame->commandAction(Cmd::Weekdays[d - 1])->isChecked(), d == day) << day << " " << d;
            auto *b = qobject_cast<QToolButton *>(
                frame->toolBar()->widgetForAction(frame->commandAction(Cmd::Weekdays[d - 1])));
            EXPECT_EQ(b->isChecked(), d == day);
        }
    }
    // pressing the pressed one leaves it pressed
    frame->commandAction(Cmd::Monday)->trigger();
    EXPECT_TRUE(frame->commandAction(Cmd::Monday)->isChecked());
}

TEST_F(CommandRouting, ViewMenuHidesAndShowsToolbarAndStatusBarWhileTheWeeklyMenuStillWorks)
{
    frame->commandAction(Cmd::ViewToolbar)->trigger();
    EXPECT_TRUE(frame->toolBar()->isHidden());
    EXPECT_FALSE(frame->commandAction(Cmd::ViewToolbar)->isChecked());
    frame->commandAction(Cmd::Friday)->trigger();
    EXPECT_EQ(frame->view()->shownDay(), 5);
    EXPECT_TRUE(frame->commandAction(Cmd::Friday)->isChecked());
    frame->commandAction(Cmd::ViewToolbar)->trigger();
    EXPECT_FALSE(frame->toolBar()->isHidden());
    EXPECT_TRUE(frame->commandAction(Cmd::ViewToolbar)->isChecked());

    frame->commandAction(Cmd::ViewStatusBar)->trigger();
    EXPECT_TRUE(frame->statusBar()->isHidden());
    EXPECT_FALSE(frame->commandAction(Cmd::ViewStatusBar)->isChecked());
    frame->commandAction(Cmd::ViewStatusBar)->trigger();
    EXPECT_FALSE(frame->statusBar()->isHidden());
}
