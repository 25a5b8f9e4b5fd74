#include "app/gui/ImportHolidaysDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
enum Column { Summary, First, Last, Program };
} // namespace

ImportHolidaysDlg::ImportHolidaysDlg(QWidget *parent, const QString &file, const std::vector<IcsOccurrence> &found,
                                     const ProgramCalendar &special)
    : QDialog(parent)
    , m_found(found)
    , m_programs(special.programs)
{
    setWindowTitle(tr("Import Holidays"));
    setObjectName(QStringLiteral("importHolidays"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("%1 holds these dates for the next days. Events that are not all-day, and those "
                                    "already over, are not ticked. Nothing changes until OK.")
                                     .arg(file),
                                 this));

    auto *allRow = new QHBoxLayout;
    auto *allLabel = new QLabel(tr("Program for &all:"), this);
    m_all = programBox();
    m_all->setObjectName(QStringLiteral("programForAll"));
    allLabel->setBuddy(m_all);
    allRow->addWidget(allLabel);
    allRow->addWidget(m_all, 1);
    layout->addLayout(allRow);

    m_table = new QTableWidget(int(found.size()), 4, this);
    m_table->setHorizontalHeaderLabels({tr("Summary"), tr("First"), tr("Last"), tr("Program")});
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(Summary, QHeaderView::Stretch);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int row = 0; row < int(found.size()); ++row) {
        const IcsOccurrence &o = found[size_t(row)];
        auto *summary = new QTableWidgetItem(o.summary);
        summary->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        summary->setCheckState(o.tickedByDefault() ? Qt::Checked : Qt::Unchecked);
        if (!o.allDay)
            summary->setToolTip(tr("Not an all-day event"));
        else if (o.past)
            summary->setToolTip(tr("Already over"));
        m_table->setItem(row, Summary, summary);
        m_table->setItem(row, First, new QTableWidgetItem(QLocale().toString(o.first, QLocale::ShortFormat)));
        m_table->setItem(row, Last, new QTableWidgetItem(QLocale().toString(o.last, QLocale::ShortFormat)));
        m_table->setCellWidget(row, Program, programBox());
    }
    layout->addWidget(m_table, 1);
    connect(m_all, &QComboBox::activated, this, [this](int index) {
        for (int row = 0; row < m_table->rowCount(); ++row)
            rowProgram(row)->setCurrentIndex(index);
    });

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(640, 420);
}

QComboBox *ImportHolidaysDlg::programBox()
{
    auto *box = new QComboBox(this);
    for (const DayProgram &p : m_programs)
        box->addItem(p.day == kNoBellsDay ? tr("No bells") : p.name, p.day);
    return box;
}

QComboBox *ImportHolidaysDlg::rowProgram(int row) const
{
    return qobject_cast<QComboBox *>(m_table->cellWidget(row, Program));
}

std::vector<ChosenOccurrence> ImportHolidaysDlg::chosen() const
{
    std::vector<ChosenOccurrence> chosen;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        if (m_table->item(row, Summary)->checkState() == Qt::Checked)
            chosen.push_back({m_found[size_t(row)], rowProgram(row)->currentData().toInt()});
    }
    return chosen;
}
