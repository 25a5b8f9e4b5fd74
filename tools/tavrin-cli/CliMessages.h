#pragma once

#include "schedule/Messages.h"

#include <QStringList>

// The message boxes of the cores, kept as lines for the terminal: nobody is there to click OK,
// so every box counts as closed at once with its first answer.
class CliMessages : public Messages {
public:
    void show(const QString &text, const QString &caption = QString(), Icon icon = Icon::None) override
    {
        Q_UNUSED(caption);
        Q_UNUSED(icon);
        m_lines << text;
    }

    Answer askSaveChanges(const QString &text, const QString &caption = QString()) override
    {
        Q_UNUSED(caption);
        m_lines << text;
        return Answer::Cancel;
    }

    // Only a load followed by a save asks this, which the command line never does.
    Answer askOkCancel(const QString &text, const QString &caption = QString()) override
    {
        return askSaveChanges(text, caption);
    }

    const QStringList &lines() const { return m_lines; }
    QString text() const { return m_lines.join(QStringLiteral("; ")); }

private:
    QStringList m_lines;
};
