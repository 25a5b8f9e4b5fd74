#pragma once

#include "app/FileChooser.h"

#include <deque>

// Answers the Open and Save choices from queues (cancelled when a queue is empty), counts
// how often each was asked and keeps where the last dialog of each would have started.
class QueuedFileChooser : public FileChooser {
public:
    QStringList chooseFilesToOpen(const FileDialogStart &start) override
    {
        ++openAsked;
        openStart = start;
        if (openAnswers.empty())
            return {};
        QStringList a = openAnswers.front();
        openAnswers.pop_front();
        return a;
    }

    QString chooseFileToSave(const FileDialogStart &start) override
    {
        ++saveAsked;
        saveStart = start;
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
    FileDialogStart openStart;
    FileDialogStart saveStart;
};
