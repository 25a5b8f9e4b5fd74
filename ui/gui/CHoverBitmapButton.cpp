#include "ui/gui/CHoverBitmapButton.h"

#include "ui/gui/Pictures.h"

#include <QButtonGroup>
#include <qdrawutil.h>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include <algorithm>

namespace {

constexpr QRgb kColourBits = 0x00FFFFFF;
constexpr int kCaptionFlags = Qt::AlignCenter | Qt::TextSingleLine;

// The picture with the mask's white pixels made transparent. The mask lies on the picture
// pixel for pixel from the top-left corner; where it does not reach, the picture stays opaque.
QPixmap maskedPicture(const QPixmap &picture, const QImage &mask)
{
    QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage shape = mask.convertToFormat(QImage::Format_RGB32);
    const int width = std::min(image.width(), shape.width());
    const int height = std::min(image.height(), shape.height());
    for (int y = 0; y < height; ++y) {
        auto *pixels = reinterpret_cast<QRgb *>(image.scanLine(y));
        const auto *maskPixels = reinterpret_cast<const QRgb *>(shape.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            if ((maskPixels[x] & kColourBits) == kColourBits)
                pixels[x] = 0;
        }
    }
    return QPixmap::fromImage(image);
}

} // namespace

CHoverBitmapButton::CHoverBitmapButton(Kind kind, QWidget *parent)
    : QAbstractButton(parent)
    , m_kind(kind)
{
    setCheckable(kind != Kind::PushButton);
    // the group rule below replaces Qt's own exclusivity
    setAutoExclusive(false);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    m_textColor = palette().color(QPalette::Active, QPalette::ButtonText);
    connect(this, &QAbstractButton::toggled, this, [this](bool on) {
        if (on && m_kind == Kind::RadioButton)
            uncheckGroup();
    });
}

CHoverBitmapButton::CHoverBitmapButton(const QString &text, Kind kind, QWidget *parent)
    : CHoverBitmapButton(kind, parent)
{
    setText(text);
}

CHoverBitmapButton::~CHoverBitmapButton() = default;

CHoverBitmapButton::Kind CHoverBitmapButton::kindForButtonStyle(unsigned style)
{
    const unsigned type = style & 0xFF;
    if ((type & 3) == 3)
        return Kind::CheckBox;
    if ((type & 9) == 9)
        return Kind::RadioButton;
    return Kind::PushButton;
}

void CHoverBitmapButton::SetBitmaps(unsigned normal, unsigned selected, unsigned hover, unsigned disabled,
                                    unsigned focus, unsigned mask, qint16 drawMode, qint16 edge, qint16 focusInset)
{
    Images images;
    images.normal = loadPicture(normal);
    images.selected = loadPicture(selected);
    images.hover = loadPicture(hover);
    images.disabled = loadPicture(disabled);
    images.focus = loadPicture(focus);
    if (mask != 0)
        images.mask = loadPicture(mask).toImage();
    setImages(images, drawMode, edge, focusInset);
    if (mask != 0 && images.mask.isNull()) {
        // a mask that can't be loaded gives no shape: the whole button shows again
        m_hasWindowRegion = false;
        m_windowRegion = QRegion();
        clearMask();
    }
}

void CHoverBitmapButton::setImages(const Images &images, qint16 drawMode, qint16 edge, qint16 focusInset)
{
    m_images = images;
    if (m_images.disabled.isNull())
        m_images.disabled = m_images.normal;
    m_drawMode = drawMode >= Tiled ? qint16(Tiled) : drawMode < 0 ? qint16(Natural) : drawMode;
    m_edge = edge;
    m_focusInset = focusInset < 0 ? qint16(0) : focusInset;
    if (!m_images.mask.isNull()) {
        applyWindowRegion(m_images.mask);
        if (m_drawMode == Natural)
            resize(m_images.mask.size());
    }
    update();
}

QRegion CHoverBitmapButton::CreateRegionFromMask(const QImage &mask, QRgb transparent)
{
    QRegion region;
    if (mask.isNull())
        return region;
    const QImage image = mask.convertToFormat(QImage::Format_RGB32);
    const QRgb key = transparent & kColourBits;
    const int width = image.width();
    for (int y = 0; y < image.height(); ++y) {
        const auto *pixels = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        int x = 0;
        while (x < width) {
            while (x < width && (pixels[x] & kColourBits) == key)
                ++x;
            if (x == width)
                break;
            const int start = x;
            while (x < width && (pixels[x] & kColourBits) != key)
                ++x;
            region += QRect(start, y, x - start, 1);
        }
    }
    return region;
}

void CHoverBitmapButton::applyWindowRegion(const QImage &mask)
{
    m_windowRegion = CreateRegionFromMask(mask);
    m_hasWindowRegion = true;
    // Qt takes an empty mask for "no mask"; an empty shape is kept here instead, and the
    // painting and the hit test honour it.
    if (m_windowRegion.isEmpty())
        clearMask();
    else
        setMask(m_windowRegion);
}

QSize CHoverBitmapButton::sizeHint() const
{
    const QSize picture = m_images.normal.isNull() ? QSize(32, 32) : m_images.normal.size();
    const int margin = 2 * (m_focusInset + 2) + 4;
    const QSize caption = fontMetrics().size(Qt::TextSingleLine, text()) + QSize(margin, 4);
    return picture.expandedTo(caption);
}

bool CHoverBitmapButton::hitButton(const QPoint &pos) const
{
    if (m_hasWindowRegion)
        return m_windowRegion.contains(pos);
    return rect().contains(pos);
}

void CHoverBitmapButton::toggleByUser()
{
    if (m_kind == Kind::CheckBox)
        setChecked(!isChecked());
    else if (m_kind == Kind::RadioButton)
        setChecked(true);
}

void CHoverBitmapButton::nextCheckState()
{
    // a click changes the check before clicked() goes out; the space bar's release does not,
    // its key-down did
    if (!m_keyClick)
        toggleByUser();
}

void CHoverBitmapButton::uncheckGroup()
{
    QList<QAbstractButton *> members;
    if (group()) {
        members = group()->buttons();
    } else if (parentWidget()) {
        const auto siblings = parentWidget()->findChildren<CHoverBitmapButton *>(QString(), Qt::FindDirectChildrenOnly);
        for (CHoverBitmapButton *sibling : siblings) {
            if (sibling->kind() == Kind::RadioButton)
                members.append(sibling);
        }
    }
    for (QAbstractButton *member : members) {
        auto *other = qobject_cast<CHoverBitmapButton *>(member);
        if (other && other != this && other->isChecked())
            other->setChecked(false);
    }
}

void CHoverBitmapButton::mousePressEvent(QMouseEvent *event)
{
    const bool left = event->button() == Qt::LeftButton;
    if (left && m_hovering) {
        m_hovering = false;
        update();
    }
    QPointer<CHoverBitmapButton> self(this);
    QAbstractButton::mousePressEvent(event);
    if (self && left)
        m_pressing = isDown();
}

void CHoverBitmapButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_pressing = false;
    // over the button the base class clicks: nextCheckState(), then clicked()
    QAbstractButton::mouseReleaseEvent(event);
}

void CHoverBitmapButton::mouseMoveEvent(QMouseEvent *event)
{
    if (m_pressing && (event->buttons() & Qt::LeftButton)) {
        // the pushed face follows the cursor in and out of the button
        QAbstractButton::mouseMoveEvent(event);
        return;
    }
    if (!m_hovering && hitButton(event->position().toPoint())) {
        m_hovering = true;
        update();
    }
    QAbstractButton::mouseMoveEvent(event);
}

void CHoverBitmapButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    // the second press of a double click is just another press
    mousePressEvent(event);
}

void CHoverBitmapButton::leaveEvent(QEvent *event)
{
    m_hovering = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void CHoverBitmapButton::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space && m_kind != Kind::PushButton)
        toggleByUser();
    QAbstractButton::keyPressEvent(event);
}

void CHoverBitmapButton::keyReleaseEvent(QKeyEvent *event)
{
    QPointer<CHoverBitmapButton> self(this);
    m_keyClick = event->key() == Qt::Key_Space;
    QAbstractButton::keyReleaseEvent(event);
    if (self)
        m_keyClick = false;
}

void CHoverBitmapButton::focusOutEvent(QFocusEvent *event)
{
    m_pressing = false;
    QAbstractButton::focusOutEvent(event);
}

void CHoverBitmapButton::paintEvent(QPaintEvent *)
{
    if (m_hasWindowRegion && m_windowRegion.isEmpty())
        return;
    QPainter painter(this);
    DrawItem(painter);
}

void CHoverBitmapButton::fillFace(QPainter &painter) const
{
    painter.fillRect(rect(), palette().color(QPalette::Active, QPalette::Button));
}

void CHoverBitmapButton::drawEdge(QPainter &painter, bool sunken) const
{
    qDrawWinPanel(&painter, rect(), palette(), sunken);
}

void CHoverBitmapButton::DrawButtonBitmap(QPainter &painter, const QPixmap &bitmap, const QRect &rect) const
{
    if (bitmap.isNull())
        return;
    if (m_drawMode == Tiled) {
        painter.drawTiledPixmap(rect, bitmap);
        return;
    }
    const bool masked = !m_images.mask.isNull();
    const QPixmap picture = masked ? maskedPicture(bitmap, m_images.mask) : bitmap;
    if (m_drawMode == Stretched) {
        painter.drawPixmap(rect, picture);
        return;
    }
    const QRect block(rect.topLeft(), picture.size().boundedTo(rect.size()));
    if (!masked) {
        // where the face is larger than the picture, it shows the plain button face
        const QRegion rest = QRegion(rect).subtracted(block);
        for (const QRect &part : rest)
            painter.fillRect(part, palette().color(QPalette::Active, QPalette::Button));
    }
    painter.drawPixmap(block.topLeft(), picture, QRect(QPoint(0, 0), block.size()));
}

void CHoverBitmapButton::DrawItem(QPainter &painter)
{
    const QRect item = rect();
    const int margin = m_focusInset + 2;
    const QRect textRect = item.adjusted(margin, 0, -margin, 0);
    const QString caption = text();

    if (!isEnabled()) {
        if (m_images.disabled.isNull())
            fillFace(painter);
        else
            DrawButtonBitmap(painter, m_images.disabled, item);
        if (m_edge != 0)
            drawEdge(painter, false);
        // embossed: a light caption with the grey one one pixel up and left over it
        painter.setPen(palette().color(QPalette::Active, QPalette::Light));
        painter.drawText(textRect, kCaptionFlags, caption);
        painter.setPen(palette().color(QPalette::Disabled, QPalette::Text));
        painter.drawText(textRect.translated(-1, -1), kCaptionFlags, caption);
        return;
    }

    bool sunken = false;
    if (isDown() || isChecked()) {
        if (m_images.selected.isNull())
            fillFace(painter);
        else
            DrawButtonBitmap(painter, m_images.selected, item);
        sunken = true;
    } else if (m_images.normal.isNull()) {
        fillFace(painter);
    } else if (m_hovering && !m_images.hover.isNull()) {
        DrawButtonBitmap(painter, m_images.hover, item);
    } else if (hasFocus() && !m_images.focus.isNull()) {
        DrawButtonBitmap(painter, m_images.focus, item);
    } else {
        DrawButtonBitmap(painter, m_images.normal, item);
    }

    if (m_edge != 0)
        drawEdge(painter, sunken);
    if (hasFocus() && m_focusInset > 0) {
        // the classic dotted focus frame, whatever the style would do
        const QRect frame = item.adjusted(m_focusInset, m_focusInset, -m_focusInset - 1, -m_focusInset - 1);
        painter.setPen(QPen(m_textColor, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(frame);
    }
    painter.setPen(m_textColor);
    painter.drawText(textRect, kCaptionFlags, caption);
}
