#pragma once

#include "app/gui/CMainFrame.h"
#include "app/Settings.h"
#include "document/CTavrinDoc.h"
#include "QueuedFileChooser.h"
#include "support/RecordingMessages.h"
#include "support/TestTimings.h"
#include "view/gui/CTavrinView.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// A main window offscreen with recorded messages, queued file choices and settings in a
// temporary file, shown and active so that its keys work.
class FrameFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        settings = std::make_unique<Settings>(dir.filePath(QStringLiteral("settings.ini")));
        frame = std::make_unique<CMainFrame>(*settings, messages, files);
        frame->setProtocolTimings(testTimings());
        frame->initialUpdate();
        frame->show();
        QApplication::setActiveWindow(frame.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    }

    void TearDown() override
    {
        // nothing may be asked on the way out of a test
        messages.answers.clear();
        frame->document()->setClean();
        frame.reset();
    }

    QTemporaryDir dir;
    std::unique_ptr<Settings> settings;
    RecordingMessages messages;
    QueuedFileChooser files;
    std::unique_ptr<CMainFrame> frame;
};

// While it lives, every modal dialog that opens is noted and then closed: accepted, or
// rejected when reject is set. An optional step runs on the dialog first.
class DialogCloser : public QObject {
public:
    explicit DialogCloser(bool reject = false);
    std::function<void(QDialog *)> onDialog;
    QStringList titles;
    QStringList objectNames;

private:
    void poll();
    bool m_reject;
};
