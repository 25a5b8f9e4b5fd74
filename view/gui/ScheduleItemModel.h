#pragma once

#include "view/ListColours.h"
#include <QAbstractTableModel>

class CTavrinDoc;

// The document's shown day as the list's rows: ten centred columns on the list's light-blue
// text background (or a dark palette's own), each cell the text the operator reads ("PM",
// "08:05", "ON", "3  Westminster" for a named sound). It holds no
// entries of its own; reload() follows the document after a change.
class ScheduleItemModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ScheduleItemModel(const CTavrinDoc &doc, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The document's shown day may have changed: the same day with the same number of rows
    // reads as changed cells (the selection stays), anything else as a new list.
    void reload();
    // The cells' text and background (listColours()), set by the view from the desktop palette.
    void setColours(const ListColours &colours);
    const ListColours &colours() const { return m_colours; }

private:
    // Entry k's Selection text followed by its sound's name, when the sound has one.
    QString withSoundName(int k, const QString &selection) const;

    const CTavrinDoc &m_doc;
    int m_rows = 0; // as last told to the views
    int m_day = 0;
    ListColours m_colours = listColours(Qt::black, Qt::white);
};
