#include "device/gui/CCompareDlg.h"

#include "schedule/TimeText.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
QString text(const std::string &s)
{
    return QString::fromStdString(s);
}
} // namespace

CCompareDlg::CCompareDlg(QWidget *parent, std::vector<WeekdayComparison> comparison, const SoundNames &names)
    : QDialog(parent)
    , m_comparison(std::move(comparison))
    , m_names(names)
    , m_differing(differingDays(m_comparison))
{
    setWindowTitle(tr("Compare with Device"));

    m_days = new QListWidget(this);
    // "Monday: same", "Wednesday: differs in 2 minutes": the first of its lines in the text form.
    for (const WeekdayComparison &day : m_comparison)
        m_days->addItem(text(comparisonLines({day}).front()));
    m_days->setMaximumWidth(m_days->sizeHintForColumn(0) + 24);

    m_minutes = new QTableWidget(0, 3, this);
    m_minutes->setHorizontalHeaderLabels({tr("Time"), tr("File"), tr("Device")});
    m_minutes->verticalHeader()->hide();
    m_minutes->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_minutes->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_minutes->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_minutes->horizontalHeader()->setStretchLastSection(true);

    auto *lists = new QHBoxLayout;
    lists->addWidget(m_days);
    lists->addWidget(m_minutes, 1);

    auto *buttons = new QDialogButtonBox(this);
    m_send = buttons->addButton(tr("Send the differing days"), QDialogButtonBox::ActionRole);
    m_take = buttons->addButton(tr("Take the device's days"), QDialogButtonBox::ActionRole);
    buttons->addButton(QDialogButtonBox::Close);
    m_send->setEnabled(!m_differing.empty());
    m_take->setEnabled(!m_differing.empty());
    connect(m_send, &QPushButton::clicked, this, [this] { choose(Choice::SendDiffering); });
    connect(m_take, &QPushButton::clicked, this, [this] { choose(Choice::TakeDevice); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addWidget(buttons);
    resize(720, 360);

    connect(m_days, &QListWidget::currentRowChanged, this, &CCompareDlg::showMinutes);
    // The first weekday that differs is the one the operator wants to see.
    int first = 0;
    for (size_t i = 0; i < m_comparison.size(); ++i) {
        if (!m_comparison[i].same()) {
            first = int(i);
            break;
        }
    }
    if (!m_comparison.empty())
        m_days->setCurrentRow(first);
}

void CCompareDlg::showMinutes(int row)
{
    m_minutes->setRowCount(0);
    if (row < 0 || size_t(row) >= m_comparison.size())
        return;
    const std::vector<MinuteDifference> &differences = m_comparison[size_t(row)].differences;
    m_minutes->setRowCount(int(differences.size()));
    for (int r = 0; r < int(differences.size()); ++r) {
        const MinuteDifference &d = differences[size_t(r)];
        m_minutes->setItem(r, 0, new QTableWidgetItem(text(minuteText(d.minuteOfDay))));
        m_minutes->setItem(r, 1, new QTableWidgetItem(text(eventWords(d.file, &m_names))));
        m_minutes->setItem(r, 2, new QTableWidgetItem(text(eventWords(d.device, &m_names))));
    }
}

void CCompareDlg::choose(Choice choice)
{
    m_choice = choice;
    accept();
}
