#pragma once

#include "schedule/Messages.h"

class QWidget;

// Messages shown as modal message boxes over a parent window.
class BoxMessages : public Messages {
public:
    explicit BoxMessages(QWidget *parent = nullptr)
        : m_parent(parent)
    {
    }

    void setParent(QWidget *parent) { m_parent = parent; }

    void show(const QString &text, const QString &caption = QString(), Icon icon = Icon::None) override;
    Answer askSaveChanges(const QString &text, const QString &caption = QString()) override;
    Answer askOkCancel(const QString &text, const QString &caption = QString()) override;
    Answer askToConfirm(const QString &text, const QString &caption, const QString &confirmText) override;
    int choose(const QString &text, const QString &caption, const QStringList &choices) override;

private:
    QWidget *m_parent;
};
