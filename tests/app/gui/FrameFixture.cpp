#include "FrameFixture.h"

DialogCloser::DialogCloser(bool reject)
    : m_reject(reject)
{
    auto *timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &DialogCloser::poll);
    timer->start(10);
}

void DialogCloser::poll()
{
    auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible())
        return;
    titles << dialog->windowTitle();
    objectNames << dialog->objectName();
    if (onDialog)
        onDialog(dialog);
    if (m_reject)
        dialog->reject();
    else
        dialog->accept();
}
