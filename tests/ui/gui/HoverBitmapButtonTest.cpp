#include "ui/gui/CHoverBitmapButton.h"
#include "ui/PictureIds.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

namespace {

using Kind = CHoverBitmapButton::Kind;

QPixmap solid(QColor colour, QSize size = QSize(32, 32))
{
    QPixmap picture(size);
    picture.fill(colour);
    return picture;
}

QRgb pixelAt(QWidget &widget, QPoint point)
{
    return widget.grab().toImage().pixel(point);
}

void sendMouse(QWidget &widget, QEvent::Type type, QPoint pos, Qt::MouseButtons held)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(pos), QPointF(widget.mapToGlobal(pos)), button, held, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

void press(QWidget &w, QPoint p)
{
    sendMouse(w, QEvent::MouseButtonPress, p, Qt::LeftButton);
}
void release(QWidget &w, QPoint p)
{
    sendMouse(w, QEvent::MouseButtonRelease, p, Qt::NoButton);
}
void drag(QWidget &w, QPoint p)
{
    sendMouse(w, QEvent::MouseMove, p, Qt::LeftButton);
}
void hoverAt(QWidget &w, QPoint p)
{
    sendMouse(w, QEvent::MouseMove, p, Qt::NoButton);
}

void space(QWidget &w, QEvent::Type type, bool autoRepeat = false)
{
    QKeyEvent event(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), autoRepeat);
    QApplication::sendEvent(&w, &event);
}

struct Faces {
    QColor normal{Qt::red}, selected{Qt::green}, hover{Qt::blue}, focus{Qt::yellow};
};

CHoverBitmapButton::Images facePictures(const Faces &faces)
{
    CHoverBitmapButton::Images images;
    images.normal = solid(faces.normal);
    images.selected = solid(faces.selected);
    images.hover = solid(faces.hover);
    images.focus = solid(faces.focus);
    return images;
}

const QPoint kInside(10, 10);
const QPoint kOutside(200, 10);

} // namespace

TEST(HoverBitmapButton, FaceFollowsState)
{
    const Faces faces;
    CHoverBitmapButton box(Kind::CheckBox);
    box.setImages(facePictures(faces));
    box.resize(32, 32);
    EXPECT_EQ(pixelAt(box, kInside), faces.normal.rgb());

    hoverAt(box, kInside);
    EXPECT_TRUE(box.isHovering());
    EXPECT_EQ(pixelAt(box, kInside), faces.hover.rgb());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&box, &leave);
    EXPECT_EQ(pixelAt(box, kInside), faces.normal.rgb());

    // pressing clears the hover and shows the selected face while held
    hoverAt(box, kInside);
    press(box, kInside);
    EXPECT_FALSE(box.isHovering());
    EXPECT_EQ(pixelAt(box, kInside), faces.selected.rgb());
    release(box, kInside);
    EXPECT_TRUE(box.isChecked());
    EXPECT_EQ(pixelAt(box, kInside), faces.selected.rgb());

    // disabled shows the disabled face (a copy of normal), never hover or selected
    box.setEnabled(false);
    hoverAt(box, kInside);
    EXPECT_EQ(pixelAt(box, kInside), faces.normal.rgb());

    // the transfer's swap: a new normal picture only, on a disabled box and on an enabled,
    // checked one (which has no selected picture, so shows the plain face)
    CHoverBitmapButton::Images begun;
    begun.normal = solid(Qt::magenta);
    box.setImages(begun);
    EXPECT_EQ(pixelAt(box, kInside), QColor(Qt::magenta).rgb());
    box.setEnabled(true);
    EXPECT_EQ(pixelAt(box, kInside), box.palette().color(QPalette::Active, QPalette::Button).rgb());
    box.setChecked(false);
    EXPECT_EQ(pixelAt(box, kInside), QColor(Qt::magenta).rgb());
}

TEST(HoverBitmapButton, FocusFaceAndFocusRect)
{
    QWidget window;
    const Faces faces;
    auto *button = new CHoverBitmapButton(Kind::PushButton, &window);
    button->setImages(facePictures(faces));
    button->setGeometry(0, 0, 32, 32);
    window.show();
    QApplication::setActiveWindow(&window);
    button->setFocus();
    if (!button->hasFocus())
        GTEST_SKIP() << "the platform gives no focus";
    EXPECT_EQ(pixelAt(*button, kInside), faces.focus.rgb());
    hoverAt(*button, kInside);
    EXPECT_EQ(pixelAt(*button, kInside), faces.hover.rgb());

    // a focus inset draws the focus frame inside the face, leaving the centre alone
    button->setImages(facePictures(faces), CHoverBitmapButton::Natural, 0, 4);
    const QImage face = button->grab().toImage();
    EXPECT_EQ(face.pixel(16, 16), faces.hover.rgb());
    bool frameDrawn = false;
    for (int x = 4; x < 28; ++x)
        frameDrawn = frameDrawn || face.pixel(x, 4) != faces.hover.rgb();
    EXPECT_TRUE(frameDrawn);
}

TEST(HoverBitmapButton, CheckBoxClicks)
{
    CHoverBitmapButton box(Kind::CheckBox);
    box.resize(40, 32);
    std::vector<bool> checkAtClick;
    QObject::connect(&box, &QAbstractButton::clicked, [&] { checkAtClick.push_back(box.isChecked()); });

    // the check changes before the owner hears of the click
    press(box, kInside);
    release(box, kInside);
    EXPECT_EQ(checkAtClick, std::vector<bool>{true});

    // drag out and back: the pushed state follows the cursor; the release inside clicks
    press(box, kInside);
    EXPECT_TRUE(box.isDown());
    drag(box, kOutside);
    EXPECT_FALSE(box.isDown());
    drag(box, kInside);
    EXPECT_TRUE(box.isDown());
    release(box, kInside);
    EXPECT_FALSE(box.isChecked());
    EXPECT_EQ(checkAtClick.size(), 2u);

    // released outside: no change, no click
    press(box, kInside);
    drag(box, kOutside);
    release(box, kOutside);
    EXPECT_FALSE(box.isChecked());
    EXPECT_EQ(checkAtClick.size(), 2u);

    // a double click is two clicks
    press(box, kInside);
    release(box, kInside);
    sendMouse(box, QEvent::MouseButtonDblClick, kInside, Qt::LeftButton);
    release(box, kInside);
    EXPECT_EQ(checkAtClick, (std::vector<bool>{true, false, true, false}));
}

TEST(HoverBitmapButton, SpaceBarTogglesOnEveryKeyDown)
{
    CHoverBitmapButton box(Kind::CheckBox);
    QSignalSpy clicks(&box, &QAbstractButton::clicked);
    space(box, QEvent::KeyPress);
    EXPECT_TRUE(box.isChecked());
    space(box, QEvent::KeyPress, true);
    space(box, QEvent::KeyPress, true);
    EXPECT_TRUE(box.isChecked()); // three toggles
    space(box, QEvent::KeyRelease);
    EXPECT_TRUE(box.isChecked()); // the release clicks without toggling
    EXPECT_EQ(clicks.count(), 1);

    CHoverBitmapButton radio(Kind::RadioButton);
    space(radio, QEvent::KeyPress);
    space(radio, QEvent::KeyPress, true);
    EXPECT_TRUE(radio.isChecked());

    CHoverBitmapButton push(Kind::PushButton);
    QSignalSpy pushClicks(&push, &QAbstractButton::clicked);
    space(push, QEvent::KeyPress);
    space(push, QEvent::KeyRelease);
    push.setChecked(true);
    EXPECT_FALSE(push.isChecked());
    EXPECT_EQ(pushClicks.count(), 1);
}

TEST(HoverBitmapButton, RadioUnchecksItsGroup)
{
    QWidget dialog;
    auto *first = new CHoverBitmapButton(Kind::RadioButton, &dialog);
    auto *second = new CHoverBitmapButton(Kind::RadioButton, &dialog);
    auto *third = new CHoverBitmapButton(Kind::RadioButton, &dialog);
    auto *box = new CHoverBitmapButton(Kind::CheckBox, &dialog);
    QWidget elsewhere;
    auto *stranger = new CHoverBitmapButton(Kind::RadioButton, &elsewhere);
    box->setChecked(true);
    stranger->setChecked(true);

    first->setChecked(true);
    second->setChecked(true);
    EXPECT_FALSE(first->isChecked());
    EXPECT_TRUE(second->isChecked());
    EXPECT_FALSE(third->isChecked());
    EXPECT_TRUE(box->isChecked());
    EXPECT_TRUE(stranger->isChecked());

    // clicking a checked radio button keeps it checked
    third->resize(32, 32);
    press(*third, kInside);
    release(*third, kInside);
    press(*third, kInside);
    release(*third, kInside);
    EXPECT_TRUE(third->isChecked());
    EXPECT_FALSE(second->isChecked());
}

TEST(HoverBitmapButton, RegionFromMask)
{
    EXPECT_TRUE(CHoverBitmapButton::CreateRegionFromMask(QImage()).isEmpty());

    QImage white(8, 4, QImage::Format_RGB32);
    white.fill(Qt::white);
    EXPECT_TRUE(CHoverBitmapButton::CreateRegionFromMask(white).isEmpty());

    // row 1: a run in the middle and a last pixel after a white one; row 3: one full run.
    // Near-white still counts as shape.
    QImage mask = white;
    mask.setPixel(2, 1, qRgb(0, 0, 0));
    mask.setPixel(3, 1, qRgb(254, 255, 255));
    mask.setPixel(7, 1, qRgb(0, 0, 0));
    for (int x = 0; x < 8; ++x)
        mask.setPixel(x, 3, qRgb(10, 20, 30));
    const QRegion region = CHoverBitmapButton::CreateRegionFromMask(mask);
    const QRegion expected = QRegion(2, 1, 2, 1) + QRegion(7, 1, 1, 1) + QRegion(0, 3, 8, 1);
    EXPECT_TRUE(region.xored(expected).isEmpty());
    EXPECT_FALSE(region.contains(QPoint(7, 0)));
    EXPECT_FALSE(region.contains(QPoint(7, 2)));

    // another transparent colour
    QImage black(3, 1, QImage::Format_RGB32);
    black.fill(Qt::black);
    black.setPixel(1, 0, qRgb(255, 255, 255));
    EXPECT_TRUE(CHoverBitmapButton::CreateRegionFromMask(black, qRgb(0, 0, 0)).xored(QRegion(1, 0, 1, 1)).isEmpty());
}

TEST(HoverBitmapButton, MaskShapesTheButton)
{
    QWidget dialog;
    auto *button = new CHoverBitmapButton(Kind::CheckBox, &dialog);
    button->setGeometry(5, 6, 100, 50);
    CHoverBitmapButton::Images images;
    images.normal = solid(Qt::red, QSize(20, 10));
    images.mask = QImage(20, 10, QImage::Format_RGB32);
    images.mask.fill(Qt::white);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            images.mask.setPixel(x, y, qRgb(0, 0, 0));

    // natural size: the button takes the mask's size at its place, and its shape
    button->setImages(images, CHoverBitmapButton::Natural);
    EXPECT_EQ(button->geometry(), QRect(5, 6, 20, 10));
    EXPECT_TRUE(button->hasWindowRegion());
    EXPECT_TRUE(button->mask().xored(QRegion(0, 0, 10, 10)).isEmpty());
    press(*button, QPoint(15, 5)); // outside the shape
    release(*button, QPoint(15, 5));
    EXPECT_FALSE(button->isChecked());
    press(*button, QPoint(5, 5));
    release(*button, QPoint(5, 5));
    EXPECT_TRUE(button->isChecked());

    // new pictures without a mask keep the shape
    button->setImages(CHoverBitmapButton::Images{solid(Qt::blue), {}, {}, {}, {}, {}});
    EXPECT_TRUE(button->mask().xored(QRegion(0, 0, 10, 10)).isEmpty());

    // an all-white mask: nothing to see, nothing to click
    images.mask.fill(Qt::white);
    button->setImages(images, CHoverBitmapButton::Stretched);
    EXPECT_TRUE(button->hasWindowRegion());
    EXPECT_TRUE(button->windowRegion().isEmpty());
    QSignalSpy clicks(button, &QAbstractButton::clicked);
    press(*button, QPoint(5, 5));
    release(*button, QPoint(5, 5));
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_NE(pixelAt(*button, QPoint(5, 5)), QColor(Qt::red).rgb());
}

TEST(HoverBitmapButton, DrawModes)
{
    QImage quarters(16, 16, QImage::Format_RGB32);
    quarters.fill(Qt::red);
    QPainter(&quarters).fillRect(8, 0, 8, 16, Qt::blue);
    CHoverBitmapButton::Images images;
    images.normal = QPixmap::fromImage(quarters);

    CHoverBitmapButton button(Kind::PushButton);
    button.resize(40, 20);

    button.setImages(images, 7); // clamped to tiled
    EXPECT_EQ(button.drawMode(), CHoverBitmapButton::Tiled);
    EXPECT_EQ(pixelAt(button, QPoint(17, 18)), QColor(Qt::red).rgb());
    EXPECT_EQ(pixelAt(button, QPoint(25, 2)), QColor(Qt::blue).rgb());

    button.setImages(images, CHoverBitmapButton::Stretched);
    EXPECT_EQ(pixelAt(button, QPoint(18, 18)), QColor(Qt::red).rgb());
    EXPECT_EQ(pixelAt(button, QPoint(22, 18)), QColor(Qt::blue).rgb());

    button.setImages(images, -3, 0, -1); // clamped to natural size, inset 0
    EXPECT_EQ(button.drawMode(), CHoverBitmapButton::Natural);
    EXPECT_EQ(button.focusInset(), 0);
    EXPECT_EQ(pixelAt(button, QPoint(12, 12)), QColor(Qt::blue).rgb());
    EXPECT_EQ(pixelAt(button, QPoint(30, 5)), button.palette().color(QPalette::Active, QPalette::Button).rgb());

    // a mask lets the background through where it is white
    images.mask = QImage(16, 16, QImage::Format_RGB32);
    images.mask.fill(Qt::black);
    QPainter(&images.mask).fillRect(0, 0, 4, 16, Qt::white);
    button.setImages(images, CHoverBitmapButton::Stretched);
    EXPECT_EQ(pixelAt(button, QPoint(12, 2)), QColor(Qt::red).rgb());
    EXPECT_NE(pixelAt(button, QPoint(2, 2)), QColor(Qt::red).rgb());
}

TEST(HoverBitmapButton, ProgramPictures)
{
    CHoverBitmapButton box(Kind::CheckBox);
    box.resize(32, 32);
    box.SetBitmaps(PictureId::kDayNormal, PictureId::kDaySelected, PictureId::kDayHover);
    EXPECT_EQ(box.drawMode(), CHoverBitmapButton::Natural);
    EXPECT_EQ(pixelAt(box, QPoint(0, 0)), qRgb(255, 255, 255)); // the highlight
    hoverAt(box, kInside);
    EXPECT_EQ(pixelAt(box, QPoint(0, 0)), qRgb(0, 0, 0)); // the frame
    box.setChecked(true);
    const QImage checked = box.grab().toImage();
    bool greenMark = false;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            greenMark = greenMark || (qGreen(checked.pixel(x, y)) > 150 && qRed(checked.pixel(x, y)) < 50);
    EXPECT_TRUE(greenMark);

    // a disabled box shows a copy of its normal picture, and the transfer's "Tr" once swapped
    box.setEnabled(false);
    EXPECT_EQ(pixelAt(box, QPoint(0, 0)), qRgb(255, 255, 255));
    box.SetBitmaps(PictureId::kDayTransferred);
    bool purple = false;
    const QImage begun = box.grab().toImage();
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            purple = purple || begun.pixel(x, y) == qRgb(128, 0, 128);
    EXPECT_TRUE(purple);

    // a number with no picture leaves the face plain
    box.setEnabled(true);
    box.setChecked(false);
    box.SetBitmaps(999);
    EXPECT_EQ(pixelAt(box, kInside), box.palette().color(QPalette::Active, QPalette::Button).rgb());
}
