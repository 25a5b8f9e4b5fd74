#pragma once

#include <QStyledItemDelegate>

// Paints the list's cells as usual, and the current cell with a 2-pixel frame in the colour of
// its row's text (the highlighted text on a selected row), where the style would draw a faint
// dotted one.
class CurrentCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    static constexpr int kFrameWidth = 2;

    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
