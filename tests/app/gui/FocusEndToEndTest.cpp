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
#include "view/gui/CTavrinView.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

constexpr const char *kUnderWindowManager = "TAVRIN_TEST_UNDER_WM";
constexpr int kMondayBox = 1;

// This test again, in a process of its own on a fresh X server with Openbox running.
int runUnderWindowManager(QString &output)
{
    const QString self = QCoreApplication::applicationFilePath();
    // Openbox is up once it has set its check window on the root window.
    const QString script = QStringLiteral(
        "openbox --sm-disable >/dev/null 2>&1 & wm=$!\n"
        "for i in $(seq 1 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; "
        "sleep 0.1; done\n"
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

} // namespace

TEST(EndToEnd, TheMainWindowHasTheKeyboardAfterATransfersLastMessage)
{
    if (qEnvironmentVariableIsEmpty(kUnderWindowManager)) {
        for (const char *tool : {"xvfb-run", "Xvfb", "openbox", "xprop"}) {
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
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));

    // The operator ticks Monday, presses Download, and closes the message with Enter.
    QStringList boxTexts;
    bool sent = false;
    QTimer hand;
    QObject::connect(&hand, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()); box && box->isVisible()) {
            boxTexts << box->text();
            QTest::keyClick(box, Qt::Key_Return);
            return;
        }
        auto *dialog = qobject_cast<TransferDialog *>(QApplication::activeModalWidget());
        if (dialog && dialog->isVisible() && !sent) {
            sent = true;
            dialog->box(kMondayBox)->click();
            dialog->actionButton()->click();
        }
    });
    hand.start(50);
    QTest::keyClick(frame, Qt::Key_F4);
    hand.stop();
    ASSERT_EQ(boxTexts, QStringList{QStringLiteral("Downloading complete")});

    EXPECT_TRUE(QTest::qWaitFor([&] {
        return QApplication::activeWindow() == frame && QApplication::focusWidget() == frame->view();
    })) << "active: "
        << (QApplication::activeWindow() ? "another window" : "none");
}
