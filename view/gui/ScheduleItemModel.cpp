#include "view/gui/ScheduleItemModel.h"

#include "document/CellMeaning.h"
#include "document/CTavrinDoc.h"
#include "document/ShownText.h"

ScheduleItemModel::ScheduleItemModel(const CTavrinDoc &doc, QObject *parent)
    : QAbstractTableModel(parent)
    , m_doc(doc)
    , m_rows(doc.shownEntries().count())
    , m_day(doc.shownDay())
{
}

int ScheduleItemModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int ScheduleItemModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant ScheduleItemModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows || index.column() >= kColumnCount)
        return {};
    switch (role) {
    case Qt::DisplayRole: {
        const int k = index.row() + 1;
        const QString text =
            shownCellText(index.column(), shownRow(m_doc.shownEntries().entry(k), k)[size_t(index.column())]);
        return index.column() == kColumnSelection ? withSoundName(k, text) : text;
    }
    case Qt::AccessibleTextRole: {
        const int k = index.row() + 1;
        return cellMeaning(index.column(), shownRow(m_doc.shownEntries().entry(k), k)[size_t(index.column())]);
    }
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    case Qt::BackgroundRole:
        return m_colours.background;
    case Qt::ForegroundRole:
        return m_colours.text;
    default:
        return {};
    }
}

QString ScheduleItemModel::withSoundName(int k, const QString &selection) const
{
    // Only shown: the cell editor, the clipboard and every store read the number alone.
    const ScheduleEntry &entry = m_doc.shownEntries().entry(k);
    const QString name = m_doc.week().soundNames().nameFor(entry.MelodyVoice, entry.Selection);
    return name.isEmpty() ? selection : QStringLiteral("%1  %2").arg(selection, name);
}

QVariant ScheduleItemModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return shownColumnHeader(section);
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return {};
}

void ScheduleItemModel::reload()
{
    const int rows = m_doc.shownEntries().count();
    if (rows == m_rows && m_doc.shownDay() == m_day) {
        if (rows > 0)
            emit dataChanged(index(0, 0), index(rows - 1, kColumnCount - 1), {Qt::DisplayRole, Qt::AccessibleTextRole});
        return;
    }
    beginResetModel();
    m_rows = rows;
    m_day = m_doc.shownDay();
    endResetModel();
}

void ScheduleItemModel::setColours(const ListColours &colours)
{
    m_colours = colours;
    if (m_rows > 0)
        emit dataChanged(index(0, 0), index(m_rows - 1, kColumnCount - 1), {Qt::BackgroundRole, Qt::ForegroundRole});
}
