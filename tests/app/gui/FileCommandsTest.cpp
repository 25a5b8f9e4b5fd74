#include "app/CommandIds.h"
#include "app/gui/CTavrinApp.h"
#include "app/gui/FileOutcomeText.h"
#include "FrameFixture.h"
#include "schedule/FileOutcome.h"
#include "schedule/Messages.h"

#include <cstdlib>
#include <QFile>
#include <QFileInfo>
#include <QWindow>

#include <sqlite3.h>

namespace {
const QString kSuffix = QStringLiteral(" -   Tavrin (Program Timer)");

// The one number a statement gives (or runs it), on a connection of the test's own.
int sqlNumber(const QString &path, const char *sql)
{
    sqlite3 *db = nullptr;
    int number = -1;
    sqlite3_open(path.toUtf8().constData(), &db);
    sqlite3_exec(
        db, sql,
        [](void *out, int, char **values, char **) {
            *static_cast<int *>(out) = values[0] ? std::atoi(values[0]) : -1;
            return 0;
        },
        &number, nullptr);
    sqlite3_close(db);
    return number;
}
} // namespace

class FileCommands : public FrameFixture {
protected:
    void insertRows(int n)
    {
        for (int i = 0; i < n; ++i)
            QTest::keyClick(frame.get(), Qt::Key_Insert);
    }
};

TEST_F(FileCommands, TitleFollowsNewOpenAndSave)
{
    EXPECT_EQ(frame->windowTitle().remove(QStringLiteral("[*]")), QStringLiteral("Untitled") + kSuffix);
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join(QLatin1Char(' ')).toStdString();
    const int templateRows = frame->view()->shownRowCount();

    // Save: asked every time, the title becomes the file name, nothing is left modified
    frame->view()->ShowDay(2);
    insertRows(3);
    const QString week = dir.filePath(QStringLiteral("Week.mdb"));
    files.saveAnswers = {week};
    QTest::keyClick(frame.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(files.saveAsked, 1);
    EXPECT_EQ(files.saveStart, FileDialogStart{}) << "the template is open: no folder or name of its own";
    EXPECT_TRUE(QFile::exists(week));
    EXPECT_EQ(frame->windowTitle().remove(QStringLiteral("[*]")), QStringLiteral("Week.mdb") + kSuffix);
    EXPECT_FALSE(frame->document()->isModified());
    EXPECT_EQ(frame->view()->shownDay(), 1);
    EXPECT_TRUE(frame->commandAction(Cmd::Monday)->isChecked());

    // a cancelled Save changes nothing
    frame->dispatch(Cmd::FileSave);
    EXPECT_EQ(files.saveAsked, 2);
    // in the open file's folder, its name proposed
    EXPECT_EQ(files.saveStart, (FileDialogStart{QFileInfo(week).absolutePath(), QStringLiteral("Week.mdb")}));
    EXPECT_EQ(frame->windowTitle().remove(QStringLiteral("[*]")), QStringLiteral("Week.mdb") + kSuffix);

    // New: the template again, "Untitled", asked nothing (nothing changed)
    frame->dispatch(Cmd::FileNew);
    EXPECT_TRUE(messages.asked.isEmpty());
    EXPECT_EQ(frame->windowTitle().remove(QStringLiteral("[*]")), QStringLiteral("Untitled") + kSuffix);
    frame->view()->ShowDay(2);
    EXPECT_EQ(frame->view()->shownRowCount(), templateRows);

    // Open: the saved Tuesday is back under the file's name
    files.openAnswers = {{week}};
    QTest::keyClick(frame.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(files.openStart, (FileDialogStart{QFileInfo(week).absolutePath(), QString()}))
        << "after New: the last file's folder";
    EXPECT_EQ(frame->windowTitle().remove(QStringLiteral("[*]")), QStringLiteral("Week.mdb") + kSuffix);
    EXPECT_EQ(frame->view()->shownDay(), 1);
    frame->view()->ShowDay(2);
    EXPECT_EQ(frame->view()->shownRowCount(), 3);
    EXPECT_FALSE(frame->document()->isModified());
    EXPECT_EQ(settings->recentFiles().value(0), week);
}

TEST_F(FileCommands, NewAndOpenAskAboutUnsavedChangesFirst)
{
    const QString week = dir.filePath(QStringLiteral("week.mdb"));
    files.saveAnswers = {week};
    frame->dispatch(Cmd::FileSave);
    ASSERT_EQ(frame->windowTitle().remove(QStringLiteral("[*]")), QStringLiteral("week.mdb") + kSuffix);

    insertRows(2);
    // Cancel: New does nothing
    messages.answers = {Messages::Answer::Cancel};
    frame->dispatch(Cmd::FileNew);
    EXPECT_EQ(messages.asked, QStringList{QStringLiteral("Save changes to week.mdb?")});
    EXPECT_EQ(frame->view()->shownRowCount(), 2);
    EXPECT_EQ(frame->windowTitle().remove(QStringLiteral("[*]")), QStringLiteral("week.mdb") + kSuffix);

    // Cancel: Open shows no dialog
    messages.answers = {Messages::Answer::Cancel};
    frame->dispatch(Cmd::FileOpen);
    EXPECT_EQ(files.openAsked, 0);

    // Save: the changes go into a file chosen now, then Open goes on
    const QString other = dir.filePath(QStringLiteral("other.mdb"));
    messages.answers = {Messages::Answer::Save};
    files.saveAnswers = {other};
    files.openAnswers = {{week}};
    frame->dispatch(Cmd::FileOpen);
    EXPECT_EQ(files.openAsked, 1);
    EXPECT_EQ(frame->windowTitle().remove(QStringLiteral("[*]")), QStringLiteral("week.mdb") + kSuffix);
    EXPECT_EQ(frame->view()->shownRowCount(), 0);
    files.openAnswers = {{other}};
    frame->dispatch(Cmd::FileOpen);
    EXPECT_EQ(frame->view()->shownRowCount(), 2);

    // Discard: New throws the edits away
    insertRows(1);
    messages.answers = {Messages::Answer::Discard};
    frame->dispatch(Cmd::FileNew);
    EXPECT_EQ(frame->windowTitle().remove(QStringLiteral("[*]")), QStringLiteral("Untitled") + kSuffix);
    EXPECT_FALSE(frame->document()->isModified());
    EXPECT_EQ(messages.asked.size(), 4);
}

TEST(StartUp, AFileNamedOnTheCommandLineIsOpened)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Friday.mdb"));
    {
        // make a schedule file with two Monday rows
        RecordingMessages m;
        QueuedFileChooser f;
        Settings s(dir.filePath(QStringLiteral("s.ini")));
        CMainFrame maker(s, m, f);
        maker.initialUpdate();
        maker.view()->editInsert();
        maker.view()->editInsert();
        f.saveAnswers = {path};
        maker.dispatch(Cmd::FileSave);
        ASSERT_TRUE(QFile::exists(path));
    }
    auto owned = std::make_unique<RecordingMessages>();
    RecordingMessages *messages = owned.get();
    CTavrinApp app(std::make_unique<Settings>(dir.filePath(QStringLiteral("s.ini"))), std::move(owned),
                   std::make_unique<QueuedFileChooser>());
    ASSERT_TRUE(
        app.InitInstance({QStringLiteral("tavrin"), path, QStringLiteral("--port"), QStringLiteral("/dev/null")}));
    EXPECT_EQ(app.mainFrame()->windowTitle().remove(QStringLiteral("[*]")), QStringLiteral("Friday.mdb") + kSuffix);
    EXPECT_EQ(app.mainFrame()->view()->shownRowCount(), 2);
    EXPECT_EQ(app.mainFrame()->portName(), QStringLiteral("/dev/null"));
    EXPECT_TRUE(messages->shown.isEmpty());

    // a file that is not there: the operator is told over the shown window, the template stays
    struct OverTheWindow : RecordingMessages {
        void show(const QString &text, const QString &caption, Icon icon) override
        {
            bool frameShown = false;
            for (QWidget *w : QApplication::topLevelWidgets())
                frameShown = frameShown || (qobject_cast<CMainFrame *>(w) && w->isVisible());
            windowShown << frameShown;
            RecordingMessages::show(text, caption, icon);
        }
        QList<bool> windowShown;
    };
    auto owned2 = std::make_unique<OverTheWindow>();
    OverTheWindow *messages2 = owned2.get();
    CTavrinApp missing(std::make_unique<Settings>(dir.filePath(QStringLiteral("s.ini"))), std::move(owned2),
                       std::make_unique<QueuedFileChooser>());
    ASSERT_TRUE(missing.InitInstance({QStringLiteral("tavrin"), dir.filePath(QStringLiteral("nothing.mdb"))}));
    EXPECT_EQ(missing.mainFrame()->windowTitle().remove(QStringLiteral("[*]")), QStringLiteral("Untitled") + kSuffix);
    EXPECT_FALSE(messages2->shown.isEmpty());
    EXPECT_FALSE(messages2->windowShown.contains(false));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("nothing.mdb"))));

    // a command line that can't be understood stops the start
    CTavrinApp wrong(std::make_unique<Settings>(dir.filePath(QStringLiteral("s.ini"))),
                     std::make_unique<RecordingMessages>(), std::make_unique<QueuedFileChooser>());
    EXPECT_FALSE(wrong.InitInstance({QStringLiteral("tavrin"), QStringLiteral("--bogus")}));
    EXPECT_TRUE(wrong.errorText().contains(QStringLiteral("Usage")));
    EXPECT_EQ(wrong.mainFrame(), nullptr);
}

TEST_F(FileCommands, CtrlSWithTheEditorOpenSavesTheTypedTime)
{
    // type 07:30 into a new row's Time cell, press Ctrl+S, as a keyboard does.
    frame->view()->ShowDay(2);
    frame->view()->document().clearAllDays();
    QWindow *window = frame->windowHandle();
    QTest::keyClick(window, Qt::Key_Insert);
    CTavrinView *view = frame->view();
    ASSERT_EQ(view->shownRowCount(), 1);
    view->setCurrentIndex(view->model()->index(0, 3));
    QTest::keyClick(window, Qt::Key_Return); // Melody
    view->setCurrentIndex(view->model()->index(0, 2));
    QTest::keyClick(window, Qt::Key_Return); // the Time editor
    ASSERT_NE(view->cellEditor(), nullptr);
    QTest::keyClick(window, Qt::Key_0);
    QTest::keyClick(window, Qt::Key_7);
    QTest::keyClick(window, Qt::Key_Colon, Qt::ShiftModifier);
    QTest::keyClick(window, Qt::Key_3);
    QTest::keyClick(window, Qt::Key_0);
    const QString week = dir.filePath(QStringLiteral("Typed.mdb"));
    files.saveAnswers = {week};
    QTest::keyClick(window, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(files.saveAsked, 1);
    EXPECT_EQ(view->cellEditor(), nullptr);

    files.openAnswers = {{week}};
    frame->dispatch(Cmd::FileOpen);
    ASSERT_EQ(frame->view()->schedule().day(2).count(), 1);
    EXPECT_EQ(frame->view()->schedule().day(2).entry(1).Time, "           07:30");
    EXPECT_EQ(frame->view()->schedule().day(2).entry(1).MelodyVoice, "Melody");
}

TEST_F(FileCommands, ATriggerInTheFileIsRemovedOnlyWhenTheOperatorSaysSo)
{
    const QString week = dir.filePath(QStringLiteral("week.mdb"));
    files.saveAnswers = {week};
    frame->dispatch(Cmd::FileSave);
    sqlNumber(week, "CREATE TRIGGER wipe AFTER INSERT ON Sunday BEGIN DELETE FROM Monday; END");
    const char *triggers = "SELECT count(*) FROM sqlite_master WHERE type = 'trigger'";

    // Cancel: nothing written; "Remove them and save": gone with the save
    messages.answers = {Messages::Answer::Cancel};
    files.saveAnswers = {week};
    QTest::keyClick(frame.get(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(messages.asked.size(), 1);
    EXPECT_TRUE(messages.asked[0].contains(QStringLiteral("holds triggers or views (wipe)")))
        << messages.asked[0].toStdString();
    EXPECT_EQ(sqlNumber(week, triggers), 1);
    messages.answers = {Messages::Answer::Ok};
    files.saveAnswers = {week};
    QTest::keyClick(frame.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(sqlNumber(week, triggers), 0);
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join(QLatin1Char(' ')).toStdString();
}

TEST_F(FileCommands, OpenTellsWhatItLeftOutAndTheNextSaveAsksBeforeLosingIt)
{
    const QString week = dir.filePath(QStringLiteral("week.mdb"));
    files.saveAnswers = {week};
    frame->dispatch(Cmd::FileSave);
    sqlNumber(week, "INSERT INTO Tuesday VALUES(1441,'           07:05','Melody',0,'ON',1,0,0,0)");
    const char *tuesdayRows = "SELECT count(*) FROM Tuesday";

    // two files at once: the one that is not there is told and passed over
    files.openAnswers = {{dir.filePath(QStringLiteral("missing.mdb")), week}};
    frame->dispatch(Cmd::FileOpen);
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(messages.shown[0],
              QStringLiteral("DB Loading Error !\n\n\"%1\" does not exist.")
                  .arg(dir.filePath(QStringLiteral("missing.mdb"))));
    EXPECT_EQ(messages.icons[0], Messages::Icon::Error);
    const QString leftOut = QStringLiteral("Tuesday: 1 row with an ID outside 1 to 1440");
    EXPECT_EQ(messages.shown[1],
              QStringLiteral("1 rows of \"%1\" cannot be shown and were left out:\n%2").arg(week, leftOut));
    EXPECT_EQ(messages.icons[1], Messages::Icon::Warning);
    EXPECT_EQ(frame->windowTitle().remove(QStringLiteral("[*]")), QStringLiteral("week.mdb") + kSuffix);

    // Cancel keeps the file as it is; OK saves without the row, and the next Save asks no more
    for (Messages::Answer answer : {Messages::Answer::Cancel, Messages::Answer::Ok, Messages::Answer::Ok}) {
        messages.answers = {answer};
        files.saveAnswers = {week};
        QTest::keyClick(frame.get(), Qt::Key_S, Qt::ControlModifier);
    }
    ASSERT_EQ(messages.asked.size(), 2);
    EXPECT_EQ(messages.asked[0],
              QStringLiteral("1 rows of the file loaded last could not be shown and will not be "
                             "kept in \"%1\":\n%2\n\nSave anyway?")
                  .arg(week, leftOut));
    EXPECT_EQ(sqlNumber(week, tuesdayRows), 0);
    EXPECT_EQ(sqlNumber(week + QStringLiteral(".bak"), tuesdayRows), 0);
    EXPECT_EQ(messages.shown.size(), 2);
}

// The words of the boxes after a failed New, Open or Save: a whole sentence each, naming the file
// the command was about and the one the cause is about.
TEST(FileOutcomeText, NamesTheStageThatFailedAndItsCause)
{
    auto outcome = [](StoreError error, FileOutcome::Stage stage,
                      const QString &causePath = QStringLiteral("/s/week.mdb")) {
        FileOutcome o;
        o.error = error;
        o.stage = stage;
        o.path = QStringLiteral("/s/week.mdb");
        o.causePath = causePath;
        return o;
    };
    using Stage = FileOutcome::Stage;
    EXPECT_EQ(fileOutcomeText(outcome(StoreError::Missing, Stage::Load)),
              QStringLiteral("DB Loading Error !\n\n\"/s/week.mdb\" does not exist."));
    EXPECT_EQ(fileOutcomeText(outcome(StoreError::TemplateMissing, Stage::Load, QStringLiteral("/p/default.mdb"))),
              QStringLiteral("DB Loading Error !\n\nThe template database \"/p/default.mdb\" is missing."));
    EXPECT_EQ(
        fileOutcomeText(outcome(StoreError::NotSchedule, Stage::SaveTarget)),
        QStringLiteral(
            "The schedule could not be saved to \"/s/week.mdb\".\n\n\"/s/week.mdb\" is not a schedule database."));
    FileOutcome busy = outcome(StoreError::Busy, Stage::SaveInto);
    busy.detail = QStringLiteral("database is locked");
    EXPECT_EQ(fileOutcomeText(busy),
              QStringLiteral("The schedule could not be saved to \"/s/week.mdb\"; the file is unchanged.\n\n"
                             "\"/s/week.mdb\" is in use by another program; try again. (database is locked)"));
    EXPECT_EQ(fileOutcomeText(outcome(StoreError::TemplateDamaged, Stage::SaveNew, QStringLiteral("/p/default.mdb"))),
              QStringLiteral("The schedule could not be saved; \"/s/week.mdb\" was not created.\n\n"
                             "The template database \"/p/default.mdb\" is damaged or not a schedule database."));
    // the questions a Save puts are the window's own, and a plain success says nothing
    EXPECT_EQ(fileOutcomeText(outcome(StoreError::HasTriggers, Stage::SaveTarget)), QString());
    EXPECT_EQ(fileOutcomeText(outcome(StoreError::None, Stage::SaveInto)), QString());
}

TEST_F(FileCommands, OpenInAFolderWithAnUnfinishedSaveOffersIt)
{
    const QString week = dir.filePath(QStringLiteral("week.mdb"));
    files.saveAnswers = {week};
    frame->dispatch(Cmd::FileSave);
    // a save of lost.mdb cut short before its rename
    ASSERT_TRUE(QFile::copy(week, dir.filePath(QStringLiteral(".lost.mdb.0123abcd.saving"))));
    messages.answers = {Messages::Answer::Ok};
    files.openAnswers = {{week}};
    frame->dispatch(Cmd::FileOpen);
    EXPECT_EQ(messages.asked, QStringList{QStringLiteral("An unfinished save of lost.mdb was found: open it?")});
    EXPECT_EQ(frame->windowTitle().remove(QStringLiteral("[*]")),
              QStringLiteral(".lost.mdb.0123abcd.saving") + kSuffix);
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral(".lost.mdb.0123abcd.saving"))));
}
