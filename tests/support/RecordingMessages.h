#pragma once

#include "schedule/Messages.h"

#include <deque>
#include <QStringList>

// Records every message and answers questions from a queue (Cancel when the queue is empty).
class RecordingMessages : public Messages {
public:
    void show(const QString &text, const QString &caption = QString(), Icon icon = Icon::None) override
    {
        shown << text;
        captions << caption;
        icons.push_back(icon);
    }

    Answer askSaveChanges(const QString &text, const QString & = QString()) override
    {
        asked << text;
        if (answers.empty())
            return Answer::Cancel;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }

    Answer askOkCancel(const QString &text, const QString &caption = QString()) override
    {
        return askSaveChanges(text, caption);
    }

    // Records the question and its choices; answers from `chosen` (-1 when it is empty).
    int choose(const QString &text, const QString &, const QStringList &choices) override
    {
        asked << text;
        choicesOffered << choices;
        if (chosen.empty())
            return -1;
        const int c = chosen.front();
        chosen.pop_front();
        return c;
    }

    QStringList shown;
    QStringList captions;
    std::deque<Icon> icons;
    QStringList asked;
    std::deque<Answer> answers;
    QList<QStringList> choicesOffered;
    std::deque<int> chosen;
};
