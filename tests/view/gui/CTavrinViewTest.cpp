#include "support/RecordingMessages.h"
#include "support/WeekSetUp.h"

#include "view/gui/CTavrinView.h"
#include "view/ScheduleList.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

ScheduleEntry event(const std::string &hhmm, const std::string &mv = "Melody")
{
    return ScheduleEntry{"           " + hhmm, mv, "2", "", "1", "0", "0", "0"};
}

class CTavrinViewTest : public testing::Test {
protected:
    void SetUp() override
    {
        window.setCentralWidget(view);
        window.resize(1000, 600);
        setUpWeek(doc, [](WeeklySchedule &week) {
            DaySchedule &monday = week.day(1);
            monday.append(event("09:00"));
            monday.append(event("08:00", "Voice"));
            monday.append(event("07:00"));
        });
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QPoint cellCentre(int row, int column) const
    {
        return view->visualRect(view->model()->index(row, column)).center();
    }

    void doubleClick(int row, int column)
    {
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cellCentre(row, column));
    }

    QString cell(int row, int column) const { return view->rowTexts(row).value(column); }

    RecordingMessages messages;
    CTavrinDoc doc;
    QMainWindow window;
    CTavrinView *view = new CTavrinView(doc, messages);
    // Every change the cases make to the list goes through Qt's model checks; a broken
    // promise of the item model (rows, indexes, signals) stops the case with the check's name.
    QAbstractItemModelTester modelCheck{view->model(), QAbstractItemModelTester::FailureReportingMode::Fatal};
};

// Keys as the operator's keyboard gives them: through the window system to whatever widget
// has the focus, press and release, with the modifiers a real keyboard sends (":" needs Shift).
class KeyboardTest : public CTavrinViewTest {
protected:
    void SetUp() override
    {
        CTavrinViewTest::SetUp();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(window.windowHandle(), k, modifiers);
    }
    void typeTime(const QString &text)
    {
        for (QChar c : text) {
            if (c == QLatin1Char(':'))
                key(Qt::Key_Colon, Qt::ShiftModifier);
            else
                key(Qt::Key(c.unicode()));
        }
    }
    QLineEdit *openEditor(int row, int column)
    {
        doubleClick(row, column);
        auto *editor = static_cast<QLineEdit *>(view->cellEditor());
        EXPECT_NE(editor, nullptr);
        EXPECT_EQ(QApplication::focusWidget(), editor);
        return editor;
    }
};

TEST_F(KeyboardTest, EditorKeysAreHandledOnceAndTheCellFollowsTheRules)
{
    // Shift and Num Lock pass and do nothing; ":" typed with Shift; Enter commits.
    QLineEdit *editor = openEditor(1, 2);
    ASSERT_NE(editor, nullptr);
    key(Qt::Key_Shift, Qt::ShiftModifier);
    key(Qt::Key_NumLock);
    ASSERT_EQ(view->cellEditor(), editor);
    EXPECT_EQ(editor->text(), "08:00");
    typeTime(QStringLiteral("17:05"));
    EXPECT_EQ(editor->text(), "17:05");
    key(Qt::Key_Return);
    EXPECT_EQ(view->cellEditor(), nullptr);
    EXPECT_EQ(cell(1, 2), "05:05");
    EXPECT_EQ(cell(1, 1), "PM");

    // Tab and Shift+Tab end the edit without writing; the focus stays in the list.
    editor = openEditor(0, 2);
    typeTime(QStringLiteral("10:10"));
    key(Qt::Key_Tab);
    EXPECT_EQ(view->cellEditor(), nullptr);
    EXPECT_EQ(cell(0, 2), "09:00");
    EXPECT_EQ(QApplication::focusWidget(), view);
    EXPECT_EQ(view->currentIndex(), view->model()->index(0, 2)) << "the Tab ended the edit, and went no further";
    editor = openEditor(0, 2);
    typeTime(QStringLiteral("10:10"));
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(view->cellEditor(), nullptr);
    EXPECT_EQ(cell(0, 2), "09:00");
    EXPECT_EQ(QApplication::focusWidget(), view);

    // A refused time on an AM row leaves it AM (15:75 on 07:00 AM).
    openEditor(2, 2);
    typeTime(QStringLiteral("15:75"));
    key(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(cell(2, 2), "07:00");
    EXPECT_EQ(cell(2, 1), "AM");

    // Escape and letters in both editors: closed, nothing written.
    openEditor(2, 2);
    typeTime(QStringLiteral("11"));
    key(Qt::Key_Escape);
    EXPECT_EQ(view->cellEditor(), nullptr);
    EXPECT_EQ(cell(2, 2), "07:00");
    openEditor(2, 4);
    key(Qt::Key_9);
    key(Qt::Key_Escape);
    EXPECT_EQ(view->cellEditor(), nullptr);
    EXPECT_EQ(cell(2, 4), "2");
    openEditor(2, 4);
    key(Qt::Key_9);
    key(Qt::Key_A);
    key(Qt::Key_Q, Qt::ShiftModifier);
    EXPECT_EQ(view->cellEditor(), nullptr);
    EXPECT_EQ(cell(2, 4), "2");
    openEditor(2, 4);
    key(Qt::Key_Shift, Qt::ShiftModifier);
    key(Qt::Key_1);
    key(Qt::Key_2);
    key(Qt::Key_Return);
    EXPECT_EQ(cell(2, 4), "12");
    openEditor(1, 2);
    key(Qt::Key_G);
    EXPECT_EQ(view->cellEditor(), nullptr);
    EXPECT_EQ(cell(1, 2), "05:05");

    // A command key reaches the window's command, which commits the edit first.
    auto *cut = new QAction(&window);
    cut->setShortcut(QKeySequence::Cut);
    QObject::connect(cut, &QAction::triggered, view, &CTavrinView::editCut);
    window.addAction(cut);
    openEditor(0, 2);
    typeTime(QStringLiteral("10:10"));
    key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(view->cellEditor(), nullptr);
    EXPECT_EQ(view->shownRowCount(), 2);
    ASSERT_EQ(view->editing().clipboard().count(), 1);
    EXPECT_EQ(view->editing().clipboard().row(0)[1], "10:10");

    // The list keeps working: Enter on the current cell opens it again.
    EXPECT_EQ(QApplication::focusWidget(), view);
    view->setCurrentIndex(view->model()->index(1, 2));
    key(Qt::Key_Return);
    EXPECT_NE(view->cellEditor(), nullptr);
    key(Qt::Key_Escape);
    EXPECT_EQ(view->cellEditor(), nullptr);
}

TEST_F(KeyboardTest, TheCurrentCellMovesAndEnterOrSpaceActOnIt)
{
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cellCentre(0, 0));
    // Modify with no column remembered yet: the current cell; the editor opens over it.
    key(Qt::Key_Right);
    key(Qt::Key_Right);
    view->editModify();
    ASSERT_NE(view->cellEditor(), nullptr);
    EXPECT_EQ(view->editing().editedRow(), 0);
    EXPECT_EQ(view->editing().editedColumn(), 2);
    key(Qt::Key_Escape);
    EXPECT_EQ(view->cellEditor(), nullptr);
    key(Qt::Key_Left);
    EXPECT_EQ(view->currentIndex(), view->model()->index(0, 1));
    key(Qt::Key_Return); // AM/PM toggles
    EXPECT_EQ(cell(0, 1), "PM");
    key(Qt::Key_Down);
    key(Qt::Key_Space);
    EXPECT_EQ(cell(1, 1), "PM");
    key(Qt::Key_End);
    EXPECT_EQ(view->currentIndex(), view->model()->index(1, 9));
    key(Qt::Key_Space);
    EXPECT_EQ(cell(1, 9), "ON");
    key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(view->currentIndex().row(), 2);
    key(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(view->currentIndex().row(), 0);
    key(Qt::Key_PageDown);
    EXPECT_EQ(view->currentIndex().row(), 2);
    key(Qt::Key_Home);
    EXPECT_EQ(view->currentIndex().column(), 0);

    // Insert selects the new row and makes it current.
    key(Qt::Key_Insert);
    EXPECT_EQ(view->shownRowCount(), 4);
    const int inserted = view->currentIndex().row();
    EXPECT_EQ(cell(inserted, 2), "00:00");
    EXPECT_TRUE(view->selectionModel()->isRowSelected(inserted, {}));
    EXPECT_EQ(view->selectionModel()->selectedRows().size(), 1);

    EXPECT_EQ(view->horizontalHeader()->font(), view->font());
}

TEST_F(KeyboardTest, TheFrameAndTheSelectionAreOne)
{
    // A day longer than the window: row 1 is out of sight from the last.
    setUpWeek(doc, [](WeeklySchedule &week) {
        DaySchedule &monday = week.day(1);
        for (int h = 10; h < 24; ++h) {
            monday.append(event(std::to_string(h) + ":00"));
            monday.append(event(std::to_string(h) + ":30"));
        }
    });
    const int n = view->shownRowCount();
    auto selected = [&] {
        QList<int> rows;
        for (const QModelIndex &i : view->selectionModel()->selectedRows())
            rows << i.row();
        std::sort(rows.begin(), rows.end());
        return rows;
    };
    auto inView = [&](int row) {
        return view->viewport()->rect().intersects(view->visualRect(view->model()->index(row, 2)));
    };

    // Click row 1, Ctrl+End, Delete: the last row goes, the one framed and in view.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cellCentre(0, 2));
    key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(selected(), QList<int>{n - 1});
    EXPECT_FALSE(inView(0));
    key(Qt::Key_Delete);
    ASSERT_EQ(view->shownRowCount(), n - 1);
    EXPECT_EQ(cell(0, 2), "09:00");
    EXPECT_EQ(cell(n - 2, 2), "11:00");
    EXPECT_EQ(view->schedule().day(1).count(), n - 1);
    EXPECT_EQ(selected(), QList<int>{n - 2}) << "the new last row is selected, framed and in view";
    EXPECT_EQ(view->currentIndex().row(), n - 2);
    EXPECT_TRUE(inView(n - 2));

    // Shift extends from where the selection began; a plain move selects its row alone.
    key(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(selected(), QList<int>{0});
    key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(selected(), (QList<int>{0, 1}));
    key(Qt::Key_End, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(selected().size(), n - 1);
    key(Qt::Key_PageUp);
    EXPECT_EQ(selected(), QList<int>{view->currentIndex().row()});
    key(Qt::Key_Home, Qt::ControlModifier);
    key(Qt::Key_Down);
    EXPECT_EQ(selected(), QList<int>{1});

    // Ctrl+arrow moves the frame alone, Ctrl+Space and Ctrl+click toggle rows; Delete takes
    // what is selected.
    key(Qt::Key_Down, Qt::ControlModifier);
    key(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(selected(), QList<int>{1});
    key(Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(selected(), (QList<int>{1, 3}));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ControlModifier, cellCentre(0, 2));
    EXPECT_EQ(selected(), (QList<int>{0, 1, 3}));
    key(Qt::Key_Delete);
    EXPECT_EQ(cell(0, 2), "07:00");
    EXPECT_EQ(cell(1, 2), "10:30");
    EXPECT_EQ(selected(), QList<int>{0});
}

TEST_F(CTavrinViewTest, LooksLikeTheScheduleList)
{
    ASSERT_EQ(view->model()->columnCount(), 10);
    QStringList headers;
    for (int c = 0; c < 10; ++c)
        headers << view->model()->headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(
        headers,
        (QStringList{QStringLiteral("ID"), QStringLiteral("AM/PM"), QStringLiteral("Time"),
                     QStringLiteral("Melody/Voice"), QStringLiteral("Selection"), QStringLiteral("AC"),
                     QStringLiteral("ch1"), QStringLiteral("ch2"), QStringLiteral("ch3"), QStringLiteral("ch4")}));
    EXPECT_EQ(view->model()->index(0, 3).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
    EXPECT_EQ(view->model()->index(0, 3).data(Qt::BackgroundRole).value<QColor>(), QColor(170, 230, 255));
    EXPECT_EQ(view->font().pixelSize(), 16);
    EXPECT_TRUE(view->showGrid());
    EXPECT_EQ(view->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(view->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_EQ(view->rowTexts(1),
              (QStringList{QStringLiteral("2"), QStringLiteral("AM"), QStringLiteral("08:00"), QStringLiteral("Voice"),
                           QStringLiteral("2"), QString(), QStringLiteral("ON"), QString(), QString(), QString()}));
}

TEST_F(CTavrinViewTest, DoubleClickTogglesOrOpensTheEditor)
{
    QSignalSpy changed(view, &CTavrinView::scheduleChanged);
    doubleClick(0, 7);
    EXPECT_EQ(cell(0, 7), "ON");
    EXPECT_EQ(view->cellEditor(), nullptr);
    EXPECT_EQ(changed.count(), 1);

    doubleClick(1, 2);
    QWidget *editor = view->cellEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(static_cast<QLineEdit *>(editor)->selectedText(), "08:00");

    // A letter ends the edit and keeps the cell.
    QTest::keyClick(editor, Qt::Key_X);
    EXPECT_EQ(view->cellEditor(), nullptr);
    EXPECT_EQ(cell(1, 2), "08:00");

    doubleClick(1, 2);
    editor = view->cellEditor();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, QStringLiteral("17:066"));
    QTest::keyClick(editor, Qt::Key_Backspace);
    // Backspace drops the last character and selects what is left: the next digit replaces it.
    EXPECT_EQ(static_cast<QLineEdit *>(editor)->text(), "17:06");
    EXPECT_EQ(static_cast<QLineEdit *>(editor)->selectedText(), "17:06");
    QTest::keyClick(editor, Qt::Key_9);
    EXPECT_EQ(static_cast<QLineEdit *>(editor)->text(), "9");
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClicks(editor, QStringLiteral("17:06"));
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(view->cellEditor(), nullptr);
    EXPECT_EQ(cell(1, 2), "05:06");
    EXPECT_EQ(cell(1, 1), "PM");
    EXPECT_EQ(view->schedule().day(1).entry(2).Time, "           17:06") << "a committed edit is in the week at once";
}

TEST_F(CTavrinViewTest, EditorKeepsShortcutKeysAndAClickCancels)
{
    // The shell's Delete and Backspace shortcuts must not fire while a cell is edited.
    int deletes = 0;
    auto *del = new QAction(&window);
    del->setShortcut(Qt::Key_Delete);
    QObject::connect(del, &QAction::triggered, [&] {
        ++deletes;
        view->editDelete();
    });
    window.addAction(del);

    doubleClick(0, 4);
    QWidget *editor = view->cellEditor();
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Delete);
    EXPECT_EQ(deletes, 0);
    EXPECT_EQ(view->shownRowCount(), 3);
    EXPECT_NE(view->cellEditor(), nullptr);

    // Keys that reach the list while the editor is open still go to the editor.
    view->setFocus();
    QTest::keyClick(view, Qt::Key_4);
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_EQ(view->cellEditor(), nullptr);
    EXPECT_EQ(cell(0, 4), "4");

    doubleClick(0, 4);
    ASSERT_NE(view->cellEditor(), nullptr);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cellCentre(2, 0));
    EXPECT_EQ(view->cellEditor(), nullptr);

    // Without the editor, Delete reaches the shell again.
    QTest::keyClick(view, Qt::Key_Delete);
    EXPECT_EQ(deletes, 1);
    EXPECT_EQ(view->shownRowCount(), 2);

    // So do the clipboard keys: the table keeps none of them for itself.
    int copies = 0;
    auto *copy = new QAction(&window);
    copy->setShortcut(QKeySequence::Copy);
    QObject::connect(copy, &QAction::triggered, [&] {
        ++copies;
        view->editCopy();
    });
    window.addAction(copy);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cellCentre(0, 0));
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(copies, 1);
    EXPECT_EQ(view->editing().clipboard().count(), 1);
}

TEST_F(CTavrinViewTest, ListKeysWorkWithoutAShell)
{
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cellCentre(1, 0));
    QTest::keyClick(view, Qt::Key_Insert);
    EXPECT_EQ(view->shownRowCount(), 4);
    EXPECT_EQ(cell(1, 2), "00:00");
    EXPECT_EQ(cell(2, 0), "3");
    QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(view, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(view->shownRowCount(), 0);
    EXPECT_EQ(view->schedule().day(1).count(), 0);
    QTest::keyClick(view, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(view->shownRowCount(), 3) << "the blank row has neither sound nor AC and drops out";
    EXPECT_EQ(cell(0, 2), "07:00");
}

TEST_F(CTavrinViewTest, SelectionMarkIsWhereTheSelectionStarted)
{
    // The list has the focus but no row was ever clicked: Select All then Insert appends.
    view->setFocus(Qt::TabFocusReason);
    QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(view, Qt::Key_Insert);
    ASSERT_EQ(view->shownRowCount(), 4);
    EXPECT_EQ(cell(3, 2), "00:00");
    EXPECT_EQ(cell(0, 2), "09:00");

    // A Shift+click range keeps the mark on its first row: Insert goes above it, Modify edits it.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cellCentre(1, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ShiftModifier, cellCentre(2, 0));
    QTest::keyClick(view, Qt::Key_Insert);
    ASSERT_EQ(view->shownRowCount(), 5);
    EXPECT_EQ(cell(1, 2), "00:00");
    EXPECT_EQ(cell(2, 2), "08:00");
    EXPECT_EQ(cell(2, 0), "3");

    doubleClick(2, 5); // remembers the AC column on row 2 (08:00)
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cellCentre(0, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ShiftModifier, cellCentre(2, 0));
    view->editModify();
    EXPECT_EQ(cell(0, 5), "ON") << "the mark row";
    EXPECT_EQ(cell(2, 5), "ON") << "toggled once by the double-click only";
}

TEST_F(CTavrinViewTest, HeaderClickSortsByTime)
{
    QSignalSpy changed(view, &CTavrinView::scheduleChanged);
    QSignalSpy shown(view, &CTavrinView::shownDayChanged);
    const QHeaderView *header = view->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(3) + 5, header->height() / 2));
    EXPECT_EQ(cell(0, 2), "07:00");
    EXPECT_EQ(cell(1, 2), "08:00");
    EXPECT_EQ(cell(2, 2), "09:00");
    EXPECT_EQ(cell(2, 0), "3");
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(view->schedule().day(1).entry(1).Time, "           07:00");

    view->ShowDay(7);
    EXPECT_EQ(view->shownRowCount(), 0);
    ASSERT_FALSE(shown.isEmpty());
    EXPECT_EQ(shown.last().at(0).toInt(), 7);
}

TEST_F(CTavrinViewTest, ContextMenuItemsAndRememberedColumn)
{
    std::unique_ptr<QMenu> menu(view->createContextMenu(nullptr));
    QStringList texts;
    for (QAction *a : menu->actions())
        texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(texts,
              (QStringList{QStringLiteral("&Undo"), QStringLiteral("&Redo"), QStringLiteral("-"),
                           QStringLiteral("Cu&t\tCtrl+X"), QStringLiteral("&Copy\tCtrl+C"),
                           QStringLiteral("&Paste\tCtrl+V"), QStringLiteral("-"), QStringLiteral("Select &All\tCtrl+A"),
                           QStringLiteral("-"), QStringLiteral("Insert\t[Insert]"), QStringLiteral("Modify"),
                           QStringLiteral("Choose &Sound...\tF7"), QStringLiteral("Delete\t[Delete]"),
                           QStringLiteral("-"), QStringLiteral("Auto Set")}));

    // A right-click remembers its column; Modify then edits it on the marked row.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cellCentre(2, 4));
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, cellCentre(2, 5),
                                 view->viewport()->mapToGlobal(cellCentre(2, 5)));
    QApplication::sendEvent(view->viewport(), &rightClick);
    QWidget *popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    popup->close();
    EXPECT_EQ(view->editing().rememberedColumn(), 5);
    view->editModify();
    EXPECT_EQ(cell(2, 5), "ON");
}

} // namespace

namespace {

TEST_F(CTavrinViewTest, AutoSetRebuildsTheListFromTheSchedule)
{
    // A toggle made since the last store point is stored before Auto Setup merges into the day.
    doubleClick(0, 9);
    ASSERT_EQ(cell(0, 9), "ON");
    QSignalSpy changed(view, &CTavrinView::scheduleChanged);

    bool answered = false;
    QTimer::singleShot(0, [&] {
        QWidget *dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QComboBox *>(QStringLiteral("day"))->setCurrentIndex(1); // Monday
        dialog->findChild<QLineEdit *>(QStringLiteral("startTime"))->setText(QStringLiteral("10:00"));
        dialog->findChild<QLineEdit *>(QStringLiteral("endTime"))->setText(QStringLiteral("10:30"));
        dialog->findChild<QLineEdit *>(QStringLiteral("interval"))->setText(QStringLiteral("15"));
        dialog->findChild<QComboBox *>(QStringLiteral("melodyVoice"))->setCurrentIndex(1);
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("ok")), Qt::LeftButton);
        answered = true;
    });
    view->autoSet();
    ASSERT_TRUE(answered);
    EXPECT_EQ(view->shownDay(), 1);
    QStringList times;
    for (const QStringList &row : view->shownRows())
        times << row[1] + " " + row[2];
    EXPECT_EQ(times,
              (QStringList{QStringLiteral("AM 07:00"), QStringLiteral("AM 08:00"), QStringLiteral("AM 09:00"),
                           QStringLiteral("AM 10:00"), QStringLiteral("AM 10:15")}));
    EXPECT_EQ(cell(2, 9), "ON") << "the toggle made before Auto Set is kept";
    EXPECT_EQ(changed.count(), 1);

    // Cancel leaves list and schedule alone.
    QTimer::singleShot(0, [&] {
        QWidget *dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cancel")), Qt::LeftButton);
    });
    view->autoSet();
    EXPECT_EQ(view->shownRowCount(), 5);
    EXPECT_EQ(changed.count(), 1);
}

} // namespace
