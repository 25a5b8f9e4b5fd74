#include "view/gui/ScheduleItemModel.h"

#include "view/ShownText.h"

const QColor ScheduleItemModel::kTextBackground(170, 230, 255);
// set with the background, so a dark desktop theme's light text never lands on light blue
const QColor ScheduleItemModel::kTextColour(0, 0, 0);

ScheduleItemModel::ScheduleItemModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

int ScheduleItemModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ScheduleItemModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant ScheduleItemModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= int(m_rows.size()) || index.column() >= kColumnCount)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return shownCellText(index.column(), m_rows[size_t(index.row())][size_t(index.column())]);
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    case Qt::BackgroundRole:
        return kTextBackground;
    case Qt::ForegroundRole:
        return kTextColour;
    default:
        return {};
    }
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

void ScheduleItemModel::insertListRow(int r, const ListRow &texts)
{
    r = std::clamp(r, 0, int(m_rows.size()));
    beginInsertRows({}, r, r);
    m_rows.insert(m_rows.begin() + r, texts);
    endInsertRows();
}

void ScheduleItemModel::removeListRow(int r)
{
    if (r < 0 || r >= int(m_rows.size()))
        return;
    beginRemoveRows({}, r, r);
    m_rows.erase(m_rows.begin() + r);
    endRemoveRows();
}

void ScheduleItemModel::removeAllRows()
{
    if (m_rows.empty())
        return;
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

void ScheduleItemModel::appendListRows(const std::vector<ListRow> &rows)
{
    if (rows.empty())
        return;
    const int first = int(m_rows.size());
    beginInsertRows({}, first, first + int(rows.size()) - 1);
    m_rows.insert(m_rows.end(), rows.begin(), rows.end());
    endInsertRows();
}

std::string ScheduleItemModel::text(int r, int column) const
{
    if (r < 0 || r >= int(m_rows.size()) || column < 0 || column >= kColumnCount)
        return {};
    return m_rows[size_t(r)][size_t(column)];
}

void ScheduleItemModel::setText(int r, int column, const std::string &text)
{
    if (r < 0 || r >= int(m_rows.size()) || column < 0 || column >= kColumnCount)
        return;
    m_rows[size_t(r)][size_t(column)] = text;
    const QModelIndex i = index(r, column);
    emit dataChanged(i, i, {Qt::DisplayRole});
}

void ScheduleItemModel::renumber()
{
    for (size_t r = 0; r < m_rows.size(); ++r)
        m_rows[r][kColumnId] = std::to_string(r + 1);
    if (!m_rows.empty())
        emit dataChanged(index(0, kColumnId), index(int(m_rows.size()) - 1, kColumnId), {Qt::DisplayRole});
}
