#include "ui/gui/PrinterSetup.h"

#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

bool choosePrinter(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QObject::tr("Print Setup"));
    dialog.setObjectName(QStringLiteral("printSetup"));
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    // the dialog only chooses: its button must not promise a print
    for (QDialogButtonBox *box : dialog.findChildren<QDialogButtonBox *>())
        if (QPushButton *ok = box->button(QDialogButtonBox::Ok))
            ok->setText(QObject::tr("OK"));
    return dialog.exec() == QDialog::Accepted;
}
