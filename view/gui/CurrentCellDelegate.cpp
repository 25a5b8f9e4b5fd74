#include "view/gui/CurrentCellDelegate.h"

#include <QPainter>
#include <QPen>

void CurrentCellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem plain(option);
    plain.state &= ~QStyle::State_HasFocus;
    QStyledItemDelegate::paint(painter, plain, index);
    if (!(option.state & QStyle::State_HasFocus))
        return;
    const bool selected = option.state & QStyle::State_Selected;
    QColor colour = option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
    if (!selected) {
        const QVariant text = index.data(Qt::ForegroundRole);
        if (text.canConvert<QColor>())
            colour = text.value<QColor>();
    }
    painter->save();
    QPen pen(colour, kFrameWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    // the pen straddles the path: inset by half its width to stay inside the cell
    painter->drawRect(QRectF(option.rect).adjusted(1, 1, -1, -1));
    painter->restore();
}
