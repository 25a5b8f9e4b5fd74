// After a transfer's last message the keyboard is the main window's again, on a real X server
// with a window manager (Xvfb and Openbox): offscreen there is no one to take the focus away.
#include "app/gui/CMainFrame.h"
#include "app/gui/CTavrinApp.h"
#include "app/Settings.h"
#include "device/gui/TransferDialog.h"
#include "QueuedFileChooser.h"
#include "support/PtyDevice.h"
#include "support/RecordingMessages.h"
#include "support/TestTimings.h"
#include "ui/gui/CHoverBitmapButton.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <utility>

namespace {

constexpr const char *kUnderWindowManager = "TAVRIN_TEST_UNDER_WM";
constexpr int kMondayBox = 1;

// This test again, in a process of its own on a fresh X server with Openbox running.
int runUnderWindowManager(QString &output)
{
    const QString self = QCoreApplication::applicationFilePath();
    // Openbox runs its start-up command once it manages windows (its check window on the root
    // comes earlier, and a window mapped before that stays unmanaged).
    const QString script =
        QStringLiteral("ready=$(mktemp -u)\n"
                       "openbox --sm-disable --startup \"touch $ready\" >/dev/null 2>&1 & wm=$!\n"
                       "for i in $(seq 1 100); do [ -e \"$ready\" ] && break; sleep 0.1; done; rm -f \"$ready\"\n"
                       "\"$0\" --gtest_filter=EndToEnd.TheMainWindowHasTheKeyboardAfterATransfersLastMessage; rc=$?\n"
                       "kill $wm; exit $rc\n");
    QProcess run;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(kUnderWindowManager), QStringLiteral("1"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    run.setProcessEnvironment(env);
    run.setProcessChannelMode(QProcess::MergedChannels);
    run.start(QStringLiteral("xvfb-run"),
              {QStringLiteral("-a"), QStringLiteral("-s"), QStringLiteral("-screen 0 1366x768x24"),
               QStringLiteral("sh"), QStringLiteral("-c"), script, self});
    if (!run.waitForFinished(120'000)) {
        run.kill();
        run.waitForFinished();
    }
    output = QString::fromLocal8Bit(run.readAll());
    return run.exitStatus() == QProcess::NormalExit ? run.exitCode() : -1;
}

// Runs xdotool, which sends keys and clicks into the X server as a real keyboard and mouse do.
QByteArray xdotool(const QStringList &args)
{
    QProcess run;
    run.start(QStringLiteral("xdotool"), args);
    if (!run.waitForFinished(5'000))
        run.kill();
    return run.readAllStandardOutput().trimmed();
}

// The window the window manager says has the keyboard (_NET_ACTIVE_WINDOW), 0 for none.
WId activeXWindow()
{
    return xdotool({QStringLiteral("getactivewindow")}).toULongLong();
}

void clickOn(QWidget *widget)
{
    const QPoint at = widget->mapToGlobal(widget->rect().center());
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(at.x()), QString::number(at.y()),
             QStringLiteral("click"), QStringLiteral("1")});
}

} // namespace

TEST(EndToEnd, TheMainWindowHasTheKeyboardAfterATransfersLastMessage)
{
    if (qEnvironmentVariableIsEmpty(kUnderWindowManager)) {
        for (const char *tool : {"xvfb-run", "Xvfb", "openbox", "xprop", "xdotool"}) {
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                GTEST_SKIP() << tool << " is not installed";
        }
        QString output;
        EXPECT_EQ(runUnderWindowManager(output), 0) << output.toStdString();
        return;
    }

    PtyDevice device;
    ASSERT_TRUE(device.pty.isOpen());
    QTemporaryDir dir;
    CTavrinApp app(std::make_unique<Settings>(dir.filePath(QStringLiteral("settings.ini"))),
                   std::make_unique<RecordingMessages>(), std::make_unique<QueuedFileChooser>());
    ASSERT_TRUE(app.InitInstance({QStringLiteral("tavrin"), QStringLiteral("--port"), device.slaveName()}));
    CMainFrame *frame = app.mainFrame();
    frame->setProtocolTimings(testTimings());
    // Openbox may not give a new window the keyboard: the operator clicks on it.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
    clickOn(frame->statusBar());
    ASSERT_TRUE(QTest::qWaitFor([&] { return activeXWindow() == frame->winId(); }))
        << "Openbox never gave the main window the keyboard";

    // The operator presses F4 (then F5), ticks Monday and presses Download (Upload) with the
    // mouse, and closes the message with Enter: every key and click goes through the X server
    // and the window manager. Then F4 must open the Download dialog again; the hand closes it.
    QStringList boxTexts;
    int step = 0;
    QTimer hand;
    QObject::connect(&hand, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || QApplication::activeWindow() != modal)
            return;
        auto *dialog = qobject_cast<TransferDialog *>(modal);
        if (auto *box = qobject_cast<QMessageBox *>(modal); box && step == 2) {
            step = 3;
            boxTexts << box->text();
            xdotool({QStringLiteral("key"), QStringLiteral("Return")});
        } else if (dialog && step == 0) {
            step = 1;
            clickOn(dialog->box(kMondayBox));
        } else if (dialog && step == 1 && dialog->box(kMondayBox)->isChecked()) {
            step = 2;
            clickOn(dialog->actionButton());
        } else if (dialog && step == 4) {
            step = 5;
            dialog->reject();
        }
    });
    hand.start(50);
    // The focus is lost or not by a race between the closing windows and Openbox: two
    // transfers catch it more often than one.
    const std::pair<const char *, const char *> rounds[] = {{"F4", "Downloading complete"},
                                                            {"F5", "Uploading complete"}};
    for (const auto &[key, message] : rounds) {
        step = 0;
        boxTexts.clear();
        xdotool({QStringLiteral("key"), QString::fromLatin1(key)});
        ASSERT_TRUE(QTest::qWaitFor([&] { return step == 3 && !QApplication::activeModalWidget(); }, 30'000))
            << key << " stopped at step " << step;
        ASSERT_EQ(boxTexts, QStringList{QString::fromLatin1(message)});
        ASSERT_TRUE(QTest::qWaitFor([&] { return activeXWindow() == frame->winId(); }))
            << "after " << message << " the active window is " << activeXWindow() << ", not the main window "
            << frame->winId();
    }
    step = 4;
    xdotool({QStringLiteral("key"), QStringLiteral("F4")});
    EXPECT_TRUE(QTest::qWaitFor([&] { return step == 5; })) << "F4 after the messages did nothing";
}
