// What a screen reader finds in the main window, and the current cell the eye finds.
#include "app/CommandIds.h"
#include "document/ListColumns.h"
#include "FrameFixture.h"
#include "schedule/Weekday.h"
#include "support/MakeEntry.h"
#include "support/WeekSetUp.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QImage>
#include <QToolBar>
#include <QToolButton>

using Accessibility = FrameFixture;

TEST_F(Accessibility, ButtonsTheDayBoxAndTheListAreNamed)
{
    QWidget *save = frame->toolBar()->widgetForAction(frame->commandAction(Cmd::FileSave));
    EXPECT_EQ(save->accessibleName(), "Save");
    EXPECT_EQ(save->accessibleDescription(), "Save");
    QWidget *open = frame->toolBar()->widgetForAction(frame->commandAction(Cmd::FileOpen));
    EXPECT_EQ(open->accessibleName(), "Open");
    const QList<QComboBox *> boxes = frame->toolBar()->findChildren<QComboBox *>();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0]->accessibleName(), "Day program");

    EXPECT_EQ(frame->view()->accessibleName(), "Schedule of Monday");
    auto *wednesday =
        qobject_cast<QToolButton *>(frame->toolBar()->widgetForAction(frame->commandAction(Cmd::Weekdays[2])));
    EXPECT_EQ(wednesday->accessibleName(), "Wednesday");
    QTest::mouseClick(wednesday, Qt::LeftButton);
    EXPECT_TRUE(wednesday->isChecked());
    EXPECT_EQ(frame->view()->accessibleName(), "Schedule of Wednesday");
}

TEST_F(Accessibility, CellsReadAsWhatTheyMeanWhileShowingTheirText)
{
    setUpWeek(*frame->document(),
              [](WeeklySchedule &w) { w.day(kMonday).append(makeEntry(8, 0, "Melody", 2, "", "1000")); });
    const QAbstractItemModel *model = frame->view()->model();
    EXPECT_EQ(model->index(0, kColumnCh2).data(Qt::DisplayRole).toString(), "");
    EXPECT_EQ(model->index(0, kColumnCh2).data(Qt::AccessibleTextRole).toString(), "ch2 off");
    EXPECT_EQ(model->index(0, kColumnCh1).data(Qt::AccessibleTextRole).toString(), "ch1 on");
}

// The current cell carries a frame two pixels wide in its row's text colour, on a selected row
// and on one that is not.
TEST_F(Accessibility, TheCurrentCellHasAFrameTwoPixelsWide)
{
    setUpWeek(*frame->document(), [](WeeklySchedule &w) {
        w.day(kMonday).append(makeEntry(8, 0, "Melody", 2));
        w.day(kMonday).append(makeEntry(9, 0, "Voice", 3));
    });
    CTavrinView *view = frame->view();
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(view, Qt::Key_Right);
    auto frameColours = [&] {
        const QRect cell = view->visualRect(view->currentIndex());
        const QImage shot = view->viewport()->grab().toImage();
        const int y = cell.center().y();
        return std::pair(shot.pixelColor(cell.left(), y), shot.pixelColor(cell.left() + 1, y));
    };
    const QColor highlighted = view->palette().color(QPalette::HighlightedText);
    auto selected = frameColours();
    EXPECT_EQ(selected.first, highlighted);
    EXPECT_EQ(selected.second, highlighted);
    // Ctrl+Down moves the frame alone, onto a row that is not selected
    QTest::keyClick(view, Qt::Key_Down, Qt::ControlModifier);
    ASSERT_EQ(view->currentIndex().row(), 1);
    auto plain = frameColours();
    EXPECT_EQ(plain.first, QColor(Qt::black));
    EXPECT_EQ(plain.second, QColor(Qt::black));
}

namespace {
QString describe(const QList<QWidget *> &widgets)
{
    QStringList texts;
    for (QWidget *w : widgets) {
        auto *b = qobject_cast<QAbstractButton *>(w);
        texts << QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(':')
                + (b ? b->text() : w->accessibleName() + w->objectName());
    }
    return texts.join(QStringLiteral(" | "));
}
} // namespace

// Tab from the first control of each dialog reaches every control once, top to bottom as they
// are laid out, before it comes round again.
TEST_F(Accessibility, TabReachesEveryControlOfEachDialogOnce)
{
    for (int command : {Cmd::Download, Cmd::Upload, Cmd::TimeSetting, Cmd::AutoSet, Cmd::SerialPort, Cmd::DeviceHistory,
                        Cmd::AppAbout}) {
        DialogCloser closer(true);
        QList<QWidget *> chain;
        QList<QWidget *> reachable;
        closer.onDialog = [&](QDialog *d) {
            for (QWidget *w : d->findChildren<QWidget *>()) {
                if (w->isVisibleTo(d) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy())
                    reachable << w;
            }
            QApplication::setActiveWindow(d);
            ASSERT_TRUE(QTest::qWaitForWindowActive(d));
            QWidget *first = QApplication::focusWidget();
            for (int k = 0; k < 40; ++k) {
                QWidget *now = QApplication::focusWidget();
                if (!now || (k > 0 && now == first))
                    break;
                // a time field's Tab steps through its hours, minutes and seconds first
                if (chain.isEmpty() || chain.last() != now)
                    chain << now;
                QTest::keyClick(now, Qt::Key_Tab);
            }
            EXPECT_EQ(describe(chain), describe(reachable)) << command;
        };
        frame->dispatch(command);
        messages.answers.clear();
        EXPECT_FALSE(chain.isEmpty()) << command;
    }
}
