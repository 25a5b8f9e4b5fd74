#pragma once

#include "app/FileChooser.h"

class QWidget;

// Open and Save as file dialogs: "Database file(*.mdb)", names without an extension get .mdb.
class DialogFileChooser : public FileChooser {
public:
    explicit DialogFileChooser(QWidget *parent = nullptr)
        : m_parent(parent)
    {
    }
    void setParent(QWidget *parent) { m_parent = parent; }

    QStringList chooseFilesToOpen(const FileDialogStart &start) override;
    QString chooseFileToSave(const FileDialogStart &start) override;
    QString choosePdfToSave(const FileDialogStart &start) override;
    QString chooseCalendarToOpen(const FileDialogStart &start) override;

private:
    QWidget *m_parent;
};
