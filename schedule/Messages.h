#pragma once

#include <QString>
#include <QStringList>

// Every message box the program shows goes through here, so the window shell can show real
// boxes and a test can record what was said and queue the operator's answers.
class Messages {
public:
    enum class Icon { None, Information, Warning, Error, Question };
    enum class Answer { Ok, Save, Discard, Cancel };

    virtual ~Messages() = default;

    // A box with one OK button; returns once the operator has closed it.
    virtual void show(const QString &text, const QString &caption = QString(), Icon icon = Icon::None) = 0;

    // "Save the changes?": Save, Discard or Cancel.
    virtual Answer askSaveChanges(const QString &text, const QString &caption = QString()) = 0;

    // A warning to go on or not: Ok or Cancel.
    virtual Answer askOkCancel(const QString &text, const QString &caption = QString()) = 0;

    // The same with the going-on button named for what it does ("Remove them and save"):
    // Ok or Cancel.
    virtual Answer askToConfirm(const QString &text, const QString &caption, const QString &confirmText)
    {
        (void)confirmText;
        return askOkCancel(text, caption);
    }

    // A question with buttons of its own, the first the default and the last the one Escape
    // presses: the position of the one chosen, -1 when none was. Where nobody can answer, -1.
    virtual int choose(const QString &text, const QString &caption, const QStringList &choices)
    {
        Q_UNUSED(text);
        Q_UNUSED(caption);
        Q_UNUSED(choices);
        return -1;
    }
};
