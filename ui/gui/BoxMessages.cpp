#include "ui/gui/BoxMessages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {
QMessageBox::Icon boxIcon(Messages::Icon icon)
{
    switch (icon) {
    case Messages::Icon::Information:
        return QMessageBox::Information;
    case Messages::Icon::Warning:
        return QMessageBox::Warning;
    case Messages::Icon::Error:
        return QMessageBox::Critical;
    case Messages::Icon::Question:
        return QMessageBox::Question;
    case Messages::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QString captionOrApplicationName(const QString &caption)
{
    return caption.isEmpty() ? QApplication::applicationName() : caption;
}
} // namespace

void BoxMessages::show(const QString &text, const QString &caption, Icon icon)
{
    QMessageBox box(boxIcon(icon), captionOrApplicationName(caption), text, QMessageBox::Ok, m_parent);
    box.exec();
}

Messages::Answer BoxMessages::askSaveChanges(const QString &text, const QString &caption)
{
    QMessageBox box(QMessageBox::Question, captionOrApplicationName(caption), text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, m_parent);
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        return Answer::Save;
    case QMessageBox::Discard:
        return Answer::Discard;
    default:
        return Answer::Cancel;
    }
}

Messages::Answer BoxMessages::askOkCancel(const QString &text, const QString &caption)
{
    QMessageBox box(QMessageBox::Warning, captionOrApplicationName(caption), text,
                    QMessageBox::Ok | QMessageBox::Cancel, m_parent);
    box.setDefaultButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
}

Messages::Answer BoxMessages::askToConfirm(const QString &text, const QString &caption, const QString &confirmText)
{
    QMessageBox box(QMessageBox::Warning, captionOrApplicationName(caption), text, QMessageBox::Cancel, m_parent);
    QPushButton *confirm = box.addButton(confirmText, QMessageBox::AcceptRole);
    box.setDefaultButton(QMessageBox::Cancel);
    box.exec();
    return box.clickedButton() == confirm ? Answer::Ok : Answer::Cancel;
}

int BoxMessages::choose(const QString &text, const QString &caption, const QStringList &choices)
{
    QMessageBox box(QMessageBox::Question, captionOrApplicationName(caption), text, QMessageBox::NoButton, m_parent);
    QList<QAbstractButton *> buttons;
    for (int i = 0; i < choices.size(); ++i) {
        const bool last = i == choices.size() - 1;
        buttons << box.addButton(choices.at(i), last ? QMessageBox::RejectRole : QMessageBox::AcceptRole);
    }
    if (!buttons.isEmpty()) {
        box.setDefaultButton(qobject_cast<QPushButton *>(buttons.first()));
        box.setEscapeButton(buttons.last());
    }
    box.exec();
    return int(buttons.indexOf(box.clickedButton()));
}
