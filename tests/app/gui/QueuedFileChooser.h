#pragma once

#include "app/FileChooser.h"

#include <deque>

// Answers the Open and Save choices from queues (cancelled when a queue is empty) and counts
// how often each was asked.
class QueuedFileChooser : public FileChooser {
public:
    QStringList chooseFilesToOpen() override
    {
        ++openAsked;
        if (openAnswers.empty())
            return {};
        QStringList a = openAnswers.front();
        openAnswers.pop_front();
        return a;
    }

    QString chooseFileToSave() override
    {
        ++saveAsked;
        if (saveAnswers.empty())
            return {};
        QString a = saveAnswers.front();
        saveAnswers.pop_front();
        return a;
    }

    std::deque<QStringList> openAnswers;
    std::deque<QString> saveAnswers;
    int openAsked = 0;
    int saveAsked = 0;
};
