#pragma once

#include "view/ListColumns.h"

#include <QAbstractTableModel>
#include <QColor>
#include <vector>

// The rows of the schedule list as cell texts: ten centred columns on the list's light-blue
// text background. Bulk changes (fill, renumber) reach the view as one notification each.
class ScheduleItemModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static const QColor kTextBackground;
    static const QColor kTextColour;

    explicit ScheduleItemModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const ListRow &row(int r) const { return m_rows[size_t(r)]; }
    void insertListRow(int r, const ListRow &texts);
    void removeListRow(int r);
    void removeAllRows();
    void appendListRows(const std::vector<ListRow> &rows);
    std::string text(int r, int column) const;
    void setText(int r, int column, const std::string &text);
    void renumber();

private:
    std::vector<ListRow> m_rows;
};
