#include "view/gui/SoundsDlg.h"

#include "document/commands/SoundCommands.h"
#include "document/CTavrinDoc.h"
#include "schedule/Messages.h"
#include "schedule/WeeklySchedule.h"

#include "view/gui/CTavrinView.h"
#include "view/ScheduleList.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

SoundKind kindOfRow(int row)
{
    return row < SoundNames::kCount ? SoundKind::Melody : SoundKind::Voice;
}

int numberOfRow(int row)
{
    return row % SoundNames::kCount + 1;
}

} // namespace

SoundsDlg::SoundsDlg(CTavrinView &view, Messages &messages, QWidget *parent)
    : QDialog(parent)
    , m_view(view)
    , m_messages(messages)
{
    setObjectName(QStringLiteral("soundsWindow"));
    setWindowTitle(tr("Sounds"));

    auto *hint = new QLabel(tr("Give the device's sounds names: the list shows them beside the numbers."), this);
    hint->setWordWrap(true);
    m_table = new QTableWidget(2 * SoundNames::kCount, 3, this);
    m_table->setObjectName(QStringLiteral("sounds"));
    m_table->setHorizontalHeaderLabels({tr("Kind"), tr("Number"), tr("Name")});
    m_table->verticalHeader()->hide();
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                             | QAbstractItemView::AnyKeyPressed);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setStretchLastSection(true);
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const QString kind = kindOfRow(row) == SoundKind::Melody ? tr("Melody") : tr("Voice");
        auto *kindItem = new QTableWidgetItem(kind);
        auto *numberItem = new QTableWidgetItem(QString::number(numberOfRow(row)));
        for (QTableWidgetItem *item : {kindItem, numberItem})
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        m_table->setItem(row, 0, kindItem);
        m_table->setItem(row, 1, numberItem);
        m_table->setItem(row, kNameColumn, new QTableWidgetItem);
    }

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addWidget(m_table, 1);
    layout->addWidget(buttons);
    resize(460, 560);

    // Undo and Redo work here as in the main window.
    addAction(view.undoAction());
    addAction(view.redoAction());

    connect(m_table, &QTableWidget::itemChanged, this, &SoundsDlg::nameEdited);
    // Every step, its undo and redo, and a week replaced by New or Open.
    connect(&view.document(), &CTavrinDoc::historyChanged, this, &SoundsDlg::refresh);
    connect(&view, &CTavrinView::shownDayChanged, this, &SoundsDlg::refresh);
    refresh();
    m_table->setCurrentCell(0, kNameColumn);
}

void SoundsDlg::refresh()
{
    m_refreshing = true;
    const SoundNames &names = m_view.document().week().soundNames();
    for (int row = 0; row < m_table->rowCount(); ++row)
        m_table->item(row, kNameColumn)->setText(names.name(kindOfRow(row), numberOfRow(row)));
    m_refreshing = false;
}

void SoundsDlg::nameEdited(QTableWidgetItem *item)
{
    if (m_refreshing || item->column() != kNameColumn)
        return;
    const QString name = item->text().trimmed();
    switch (soundNameProblem(name)) {
    case SoundNameProblem::TooLong:
        m_messages.show(tr("A sound's name holds at most %1 characters.").arg(SoundNames::kMaxLength), windowTitle(),
                        Messages::Icon::Warning);
        refresh();
        return;
    case SoundNameProblem::ControlCharacter:
        m_messages.show(tr("A sound's name cannot hold control characters such as tabs or line breaks."), windowTitle(),
                        Messages::Icon::Warning);
        refresh();
        return;
    case SoundNameProblem::None:
        break;
    }
    // An open cell edit is written first, so the step leaves the list as the week holds it.
    m_view.StoreList();
    // A step refreshes the window; without one the row shows the name as it stands.
    if (!m_view.perform(std::make_unique<RenameSound>(m_view.document(), kindOfRow(item->row()),
                                                      numberOfRow(item->row()), name, m_view.editing().place())))
        refresh();
}
