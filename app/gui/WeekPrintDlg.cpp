#include "app/gui/WeekPrintDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

WeekPrintDlg::WeekPrintDlg(Purpose purpose, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("weekPrint"));
    setWindowTitle(purpose == Purpose::Print ? tr("Print Week") : tr("Export PDF"));
    auto *layout = new QVBoxLayout(this);
    m_programs = new QCheckBox(tr("Each &day program"), this);
    m_programs->setObjectName(QStringLiteral("programs"));
    m_calendar = new QCheckBox(tr("The &calendar's entries of the next 12 months"), this);
    m_calendar->setObjectName(QStringLiteral("calendar"));
    layout->addWidget(m_programs);
    layout->addWidget(m_calendar);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton *go = buttons->addButton(purpose == Purpose::Print ? tr("&Print...") : tr("&Export..."),
                                         QDialogButtonBox::AcceptRole);
    go->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    if (purpose == Purpose::Print) {
        QPushButton *preview = buttons->addButton(tr("Pre&view..."), QDialogButtonBox::ActionRole);
        preview->setObjectName(QStringLiteral("preview"));
        connect(preview, &QPushButton::clicked, this, [this] { done(Preview); });
    }
    layout->addWidget(buttons);
}

bool WeekPrintDlg::programs() const
{
    return m_programs->isChecked();
}

bool WeekPrintDlg::calendar() const
{
    return m_calendar->isChecked();
}
