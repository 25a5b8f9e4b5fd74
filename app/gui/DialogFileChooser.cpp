#include "app/gui/DialogFileChooser.h"

#include <QCoreApplication>
#include <QFileDialog>

namespace {
void startAt(QFileDialog &dialog, const FileDialogStart &start)
{
    if (!start.directory.isEmpty())
        dialog.setDirectory(start.directory);
    if (!start.fileName.isEmpty())
        dialog.selectFile(start.fileName);
}
} // namespace

QStringList DialogFileChooser::chooseFilesToOpen(const FileDialogStart &start)
{
    QFileDialog dialog(m_parent, QCoreApplication::translate("DialogFileChooser", "Open"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // Only files that exist: opening a name that is not there would leave an empty database
    // file behind and show nothing.
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilter(QString::fromLatin1(kFilter));
    dialog.setDefaultSuffix(QString::fromLatin1(kDefaultSuffix));
    startAt(dialog, start);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

QString DialogFileChooser::chooseFileToSave(const FileDialogStart &start)
{
    QFileDialog dialog(m_parent, QCoreApplication::translate("DialogFileChooser", "Save As"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QString::fromLatin1(kFilter));
    dialog.setDefaultSuffix(QString::fromLatin1(kDefaultSuffix));
    // Saving onto an existing schedule file replaces it without a second question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    startAt(dialog, start);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

QString DialogFileChooser::choosePdfToSave(const FileDialogStart &start)
{
    QFileDialog dialog(m_parent, QCoreApplication::translate("DialogFileChooser", "Export PDF"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QCoreApplication::translate("DialogFileChooser", "PDF file (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    startAt(dialog, start);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

QString DialogFileChooser::chooseCalendarToOpen(const FileDialogStart &start)
{
    QFileDialog dialog(m_parent, QCoreApplication::translate("DialogFileChooser", "Import Holidays"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({QCoreApplication::translate("DialogFileChooser", "iCalendar file (*.ics)"),
                           QCoreApplication::translate("DialogFileChooser", "Any file (*)")});
    if (!start.directory.isEmpty())
        dialog.setDirectory(start.directory);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}
