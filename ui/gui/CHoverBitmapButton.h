#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QRegion>

// A button painted entirely from pictures chosen by its state: normal, mouse over it (hover),
// pressed or checked (selected), keyboard focus, disabled. The caption is drawn over the
// picture (embossed when disabled). It keeps its own check state, so a check box or a radio
// button can be drawn from pictures alone; and it can take the shape of a mask picture.
//
// Use as a check box:
//     auto *box = new CHoverBitmapButton(tr("Monday"), CHoverBitmapButton::Kind::CheckBox, this);
//     box->SetBitmaps(PictureId::kDayNormal, PictureId::kDaySelected, PictureId::kDayHover);
//     connect(box, &QAbstractButton::clicked, ...);   // the check has already changed
//     box->setChecked(true); box->isChecked();        // the owner reads and sets the check
//
// Behaviour:
// - A left click released over the button toggles a check box (checks a radio button)
//   before clicked() is emitted; released outside it, nothing changes and nothing is emitted.
//   Pressing and dragging out of the button and back turns the pressed face off and on.
//   A double click acts as two clicks.
// - Every key-down of the space bar, auto-repeat included, toggles a check box (checks a radio
//   button); releasing the key emits clicked() without toggling again.
// - A radio button that becomes checked unchecks the other CHoverBitmapButtons of its group:
//   the members of its QButtonGroup, or else the radio-kind buttons with the same parent.
// - A push button never reports itself checked.
class CHoverBitmapButton : public QAbstractButton {
    Q_OBJECT
public:
    enum class Kind { PushButton, CheckBox, RadioButton };

    // How a picture fills the face: natural size from the top-left corner, stretched, tiled.
    enum DrawMode : qint16 { Natural = 0, Stretched = 1, Tiled = 2 };

    // The pictures of the faces; a null picture means "none".
    struct Images {
        QPixmap normal;
        QPixmap selected;
        QPixmap hover;
        QPixmap disabled; // null: a copy of normal
        QPixmap focus;
        QImage mask; // non-white pixels give the button's shape
    };

    explicit CHoverBitmapButton(Kind kind = Kind::CheckBox, QWidget *parent = nullptr);
    CHoverBitmapButton(const QString &text, Kind kind, QWidget *parent = nullptr);
    ~CHoverBitmapButton() override;

    // The kind a classic button style's low byte stands for: automatic check box
    // (t & 3 == 3), automatic radio button (t & 9 == 9), otherwise push button.
    static Kind kindForButtonStyle(unsigned style);

    Kind kind() const { return m_kind; }

    // Replaces all pictures by the numbered program pictures (0 = none; a number that can't be
    // loaded leaves that picture empty). Draw mode is clamped to 0..2, a negative focus inset
    // taken as 0. A mask, when given, becomes the window's shape; in draw mode 0 the button is
    // then resized to the mask's size. Without a mask, a shape set earlier stays.
    void SetBitmaps(unsigned normal, unsigned selected = 0, unsigned hover = 0, unsigned disabled = 0,
                    unsigned focus = 0, unsigned mask = 0, qint16 drawMode = 0, qint16 edge = 0, qint16 focusInset = 0);
    // The same from pictures in hand.
    void setImages(const Images &images, qint16 drawMode = 0, qint16 edge = 0, qint16 focusInset = 0);

    // The union of the one-pixel-high runs of pixels whose colour is not exactly `transparent`
    // (alpha ignored). A null mask gives an empty region.
    static QRegion CreateRegionFromMask(const QImage &mask, QRgb transparent = qRgb(255, 255, 255));

    // The shape taken from the last mask, if any. An empty shape hides the button and makes it
    // unclickable.
    bool hasWindowRegion() const { return m_hasWindowRegion; }
    QRegion windowRegion() const { return m_windowRegion; }

    bool isHovering() const { return m_hovering; }
    int drawMode() const { return m_drawMode; }
    int edge() const { return m_edge; }
    int focusInset() const { return m_focusInset; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;
    void nextCheckState() override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void DrawItem(QPainter &painter);
    void DrawButtonBitmap(QPainter &painter, const QPixmap &bitmap, const QRect &rect) const;
    void drawEdge(QPainter &painter, bool sunken) const;
    void fillFace(QPainter &painter) const;
    void toggleByUser();
    void uncheckGroup();
    void applyWindowRegion(const QImage &mask);

    Kind m_kind;
    bool m_hovering = false;
    bool m_pressing = false;
    bool m_keyClick = false; // a space-bar release: the key-down toggled already
    Images m_images;
    qint16 m_focusInset = 0;
    QColor m_textColor;
    bool m_hasWindowRegion = false;
    QRegion m_windowRegion;
    int m_edge = 0;
    qint16 m_drawMode = Stretched;
};
