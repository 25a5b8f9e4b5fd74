#include "app/CommandIds.h"
#include "device/gui/CTimeSettingDlg.h"
#include "device/gui/TransferDialog.h"
#include "device/PortName.h"
#include "FrameFixture.h"
#include "support/PtyDevice.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

class Dialogs : public FrameFixture { };

TEST_F(Dialogs, AboutBoxShowsVersionLicenceAndIcon)
{
    DialogCloser closer;
    closer.onDialog = [](QDialog *d) {
        auto *version = d->findChild<QLabel *>(QStringLiteral("version"));
        ASSERT_NE(version, nullptr);
        EXPECT_EQ(version->text(), QStringLiteral("Tavrin Version 1.1"));
        auto *licence = d->findChild<QLabel *>(QStringLiteral("licence"));
        ASSERT_NE(licence, nullptr);
        EXPECT_EQ(licence->text(),
                  QStringLiteral("Free software under the GNU General Public License, version 3 or later."));
        auto *icon = d->findChild<QLabel *>(QStringLiteral("icon"));
        ASSERT_NE(icon, nullptr);
        EXPECT_FALSE(icon->pixmap().isNull());
        auto buttons = d->findChildren<QPushButton *>();
        ASSERT_EQ(buttons.size(), 1);
        EXPECT_EQ(buttons.first()->text(), QStringLiteral("OK"));
    };
    frame->dispatch(Cmd::AppAbout);
    EXPECT_EQ(closer.titles, QStringList{QStringLiteral("About Tavrin")});
}

TEST_F(Dialogs, SerialPortChoiceIsKeptAndHoldsAtOnceOverTheCommandLine)
{
    EXPECT_EQ(frame->portName(), platformPortName(1));
    {
        DialogCloser closer;
        closer.onDialog = [](QDialog *d) {
            d->findChild<QComboBox *>(QStringLiteral("ports"))->setEditText(QStringLiteral(" /dev/ttyUSB7 "));
        };
        frame->dispatch(Cmd::SerialPort);
        EXPECT_EQ(closer.titles, QStringList{QStringLiteral("Serial Port")});
    }
    EXPECT_EQ(settings->serialPort(), QStringLiteral("/dev/ttyUSB7"));
    EXPECT_EQ(Settings(dir.filePath(QStringLiteral("settings.ini"))).serialPort(), QStringLiteral("/dev/ttyUSB7"));
    EXPECT_EQ(frame->portName(), QStringLiteral("/dev/ttyUSB7"));
    frame->setPortOverride(QStringLiteral("/dev/pts/9"));
    EXPECT_EQ(frame->portName(), QStringLiteral("/dev/pts/9"));

    // a cancelled dialog keeps the choice, and the command line's port stays in use
    QString shown;
    {
        DialogCloser closer(true);
        closer.onDialog = [&shown](QDialog *d) {
            auto *ports = d->findChild<QComboBox *>(QStringLiteral("ports"));
            shown = ports->currentText();
            ports->setEditText(QStringLiteral("COM3"));
        };
        frame->dispatch(Cmd::SerialPort);
    }
    EXPECT_EQ(shown, QStringLiteral("/dev/pts/9")); // the port in use is the one shown
    EXPECT_EQ(settings->serialPort(), QStringLiteral("/dev/ttyUSB7"));
    EXPECT_EQ(frame->portName(), QStringLiteral("/dev/pts/9"));

    // a choice made now holds for this run too
    {
        DialogCloser closer;
        closer.onDialog = [](QDialog *d) {
            d->findChild<QComboBox *>(QStringLiteral("ports"))->setEditText(QStringLiteral("/dev/ttyUSB2"));
        };
        frame->dispatch(Cmd::SerialPort);
    }
    EXPECT_EQ(frame->portName(), QStringLiteral("/dev/ttyUSB2"));
}

TEST_F(Dialogs, PrintSetupChoosesThePrinter)
{
    DialogCloser closer(true);
    frame->dispatch(Cmd::FilePrintSetup);
    EXPECT_EQ(closer.titles, QStringList{QStringLiteral("Print Setup")});
}

TEST_F(Dialogs, DeviceDialogsOpenThePortOfTheCommandLineAndCancelChangesNothing)
{
    PtyDevice device;
    ASSERT_TRUE(device.pty.isOpen());
    settings->setSerialPort(QStringLiteral("/dev/ttyS3"));
    frame->setPortOverride(device.slaveName());
    QTest::keyClick(frame.get(), Qt::Key_Insert);
    frame->document()->setClean();
    const QList<QStringList> rows = frame->view()->shownRows();

    QStringList ports;
    DialogCloser closer(true);
    closer.onDialog = [&](QDialog *d) {
        if (auto *transfer = qobject_cast<TransferDialog *>(d)) {
            EXPECT_TRUE(transfer->isPortOpen());
            ports << transfer->portName();
        } else if (auto *clock = qobject_cast<CTimeSettingDlg *>(d)) {
            EXPECT_TRUE(clock->isPortOpen());
            ports << QStringLiteral("clock");
        }
    };
    for (Qt::Key key : {Qt::Key_F4, Qt::Key_F5, Qt::Key_F2}) {
        // offscreen, the window is not made active again when a dialog closes
        QApplication::setActiveWindow(frame.get());
        QTest::keyClick(frame.get(), key);
    }
    EXPECT_EQ(ports, (QStringList{device.slaveName(), device.slaveName(), QStringLiteral("clock")}));
    EXPECT_EQ(frame->view()->shownRows(), rows);
    EXPECT_FALSE(frame->document()->isModified());
    // Download said first that the inserted row, with nothing to do, is not sent.
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].contains(QStringLiteral(": 00:00 has neither Melody/Voice nor AC")))
        << messages.shown[0].toStdString();
}
