#pragma once

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>
#include <QWidget>

// The open message box over `window` whose text starts with `text`, waiting up to timeoutMs
// for it to appear; null when none came.
inline QMessageBox *waitForMessage(QWidget *window, const QString &text, int timeoutMs = 5000)
{
    QMessageBox *found = nullptr;
    (void)QTest::qWaitFor(
        [&] {
            for (QMessageBox *box : window->findChildren<QMessageBox *>()) {
                if (box->isVisible() && box->text().startsWith(text)) {
                    found = box;
                    return true;
                }
            }
            return false;
        },
        timeoutMs);
    return found;
}

inline int openMessageCount(QWidget *window)
{
    int n = 0;
    for (QMessageBox *box : window->findChildren<QMessageBox *>())
        n += box->isVisible() ? 1 : 0;
    return n;
}

// The operator presses OK.
inline void pressOk(QMessageBox *box)
{
    box->button(QMessageBox::Ok)->click();
}

// A port name that cannot be opened.
inline QString missingPort()
{
    return QStringLiteral("/dev/tavrin-no-such-port");
}
