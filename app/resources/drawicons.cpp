// Draws the toolbar pictures (40 x 32) and the program icon into this folder.
// Not part of the build: the PNGs are kept in the repository. To draw them again:
//   g++ -std=c++20 -fPIC drawicons.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/drawicons
//   QT_QPA_PLATFORM=offscreen /tmp/drawicons app/resources
#include <cmath>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kInk(40, 40, 60);
const QColor kPaper(255, 255, 250);
const QColor kBlue(40, 110, 200);
const QColor kSky(170, 230, 255);
const QColor kGreen(40, 150, 70);
const QColor kRed(200, 60, 50);
const QColor kYellow(240, 200, 60);

QImage canvas(int w = 40, int h = 32)
{
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    return img;
}

void page(QPainter &p, QRectF r)
{
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 7, r.top());
    path.lineTo(r.right(), r.top() + 7);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kPaper);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - 7, r.top()), QPointF(r.right() - 7, r.top() + 7));
    p.drawLine(QPointF(r.right() - 7, r.top() + 7), QPointF(r.right(), r.top() + 7));
}

void lines(QPainter &p, QRectF r, int count)
{
    p.setPen(QPen(QColor(120, 140, 170), 1));
    for (int i = 0; i < count; ++i)
        p.drawLine(QPointF(r.left(), r.top() + i * 4), QPointF(r.right(), r.top() + i * 4));
}

void clock(QPainter &p, QPointF c, qreal radius, int hour, int minute)
{
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(kPaper);
    p.drawEllipse(c, radius, radius);
    for (int i = 0; i < 12; ++i) {
        const qreal a = i * M_PI / 6;
        p.drawPoint(QPointF(c.x() + std::sin(a) * (radius - 2.5), c.y() - std::cos(a) * (radius - 2.5)));
    }
    const qreal ha = (hour % 12 + minute / 60.0) * M_PI / 6;
    const qreal ma = minute * M_PI / 30;
    p.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, QPointF(c.x() + std::sin(ha) * radius * 0.5, c.y() - std::cos(ha) * radius * 0.5));
    p.setPen(QPen(kRed, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, QPointF(c.x() + std::sin(ma) * radius * 0.8, c.y() - std::cos(ma) * radius * 0.8));
}

// the program timer: a box with a speaker grille and a small display
void device(QPainter &p, QRectF r)
{
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(QColor(210, 215, 225));
    p.drawRoundedRect(r, 2, 2);
    p.setBrush(QColor(40, 70, 50));
    p.drawRect(QRectF(r.left() + 2, r.top() + 2, r.width() * 0.55, r.height() * 0.35));
    p.setPen(QPen(QColor(120, 255, 140), 1));
    p.drawLine(QPointF(r.left() + 3.5, r.top() + 4), QPointF(r.left() + r.width() * 0.45, r.top() + 4));
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 2; ++j)
            p.drawEllipse(QPointF(r.left() + 4 + i * 4, r.bottom() - 3.5 - j * 3.5), 1, 1);
}

void computer(QPainter &p, QRectF r)
{
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(QColor(225, 225, 230));
    p.drawRoundedRect(QRectF(r.left(), r.top(), r.width(), r.height() * 0.72), 1.5, 1.5);
    p.setBrush(kSky);
    p.drawRect(QRectF(r.left() + 2, r.top() + 2, r.width() - 4, r.height() * 0.72 - 4));
    p.setBrush(QColor(190, 190, 200));
    p.drawRect(QRectF(r.center().x() - 4, r.top() + r.height() * 0.72, 8, 2));
    p.drawRect(QRectF(r.left() + 1, r.bottom() - 2.5, r.width() - 2, 2.5));
}

void arrow(QPainter &p, QPointF from, QPointF to, QColor colour)
{
    p.setPen(QPen(colour, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    const QPointF d = to - from;
    const qreal len = std::hypot(d.x(), d.y());
    const QPointF u = d / len;
    const QPointF n(-u.y(), u.x());
    QPolygonF head;
    head << to + u * 3 << to - u * 4 + n * 5 << to - u * 4 - n * 5;
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(head);
}

QImage drawNew()
{
    QImage img = canvas();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    page(p, QRectF(10.5, 2.5, 20, 27));
    p.setPen(Qt::NoPen);
    p.setBrush(kYellow);
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const qreal a = i * M_PI / 5 - M_PI / 2;
        const qreal rr = i % 2 ? 2.5 : 6;
        star << QPointF(29 + std::cos(a) * rr, 7 + std::sin(a) * rr);
    }
    p.drawPolygon(star);
    return img;
}

QImage drawOpen()
{
    QImage img = canvas();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(QColor(230, 190, 90));
    QPainterPath back;
    back.moveTo(5.5, 8.5);
    back.lineTo(14.5, 8.5);
    back.lineTo(17.5, 11.5);
    back.lineTo(31.5, 11.5);
    back.lineTo(31.5, 27.5);
    back.lineTo(5.5, 27.5);
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(QColor(250, 215, 120));
    QPolygonF front;
    front << QPointF(5.5, 27.5) << QPointF(10.5, 15.5) << QPointF(36.5, 15.5) << QPointF(31.5, 27.5);
    p.drawPolygon(front);
    arrow(p, QPointF(27, 9), QPointF(33, 3), kGreen);
    return img;
}

QImage drawSave()
{
    QImage img = canvas();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kBlue);
    p.drawRoundedRect(QRectF(7.5, 2.5, 25, 27), 2, 2);
    p.setBrush(kPaper);
    p.drawRect(QRectF(11.5, 2.5, 17, 11));
    p.setBrush(QColor(200, 205, 215));
    p.drawRect(QRectF(12.5, 19.5, 15, 10));
    p.setBrush(kInk);
    p.drawRect(QRectF(22.5, 21.5, 3, 6));
    lines(p, QRectF(13.5, 6, 13, 0), 2);
    return img;
}

QImage drawPrint()
{
    QImage img = canvas();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    page(p, QRectF(12.5, 1.5, 15, 12));
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(QColor(200, 205, 215));
    p.drawRoundedRect(QRectF(5.5, 11.5, 29, 12), 2, 2);
    p.setBrush(kPaper);
    p.drawRect(QRectF(10.5, 19.5, 19, 10));
    lines(p, QRectF(13, 22.5, 13, 0), 2);
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawEllipse(QPointF(30, 15), 1.3, 1.3);
    return img;
}

QImage drawTimeSet()
{
    QImage img = canvas();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    clock(p, QPointF(17, 16), 12, 10, 10);
    arrow(p, QPointF(28, 28), QPointF(35, 21), kBlue);
    return img;
}

QImage drawAutoSet()
{
    QImage img = canvas();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // a run of equally spaced events along a time line
    p.setPen(QPen(kInk, 1.5));
    p.drawLine(QPointF(3, 24), QPointF(37, 24));
    for (int i = 0; i < 5; ++i) {
        const qreal x = 6 + i * 7;
        p.setPen(QPen(kInk, 1.2));
        p.drawLine(QPointF(x, 21), QPointF(x, 27));
        p.setPen(Qt::NoPen);
        p.setBrush(i % 2 ? kBlue : kGreen);
        p.drawEllipse(QPointF(x, 14), 2.8, 2.8);
    }
    p.setPen(QPen(kRed, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(6, 3, 7, 8), 0, 180 * 16);
    p.drawArc(QRectF(13, 3, 7, 8), 0, 180 * 16);
    p.drawArc(QRectF(20, 3, 7, 8), 0, 180 * 16);
    p.drawArc(QRectF(27, 3, 7, 8), 0, 180 * 16);
    return img;
}

QImage drawDownload()
{
    QImage img = canvas();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    computer(p, QRectF(1.5, 2.5, 16, 15));
    device(p, QRectF(22.5, 15.5, 16, 14));
    arrow(p, QPointF(12, 21), QPointF(19, 25), kGreen);
    return img;
}

QImage drawUpload()
{
    QImage img = canvas();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    computer(p, QRectF(1.5, 2.5, 16, 15));
    device(p, QRectF(22.5, 15.5, 16, 14));
    arrow(p, QPointF(26, 11), QPointF(20, 6), kBlue);
    return img;
}

QImage drawDay(const QString &letters, bool weekend)
{
    QImage img = canvas();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kPaper);
    p.drawRoundedRect(QRectF(8.5, 3.5, 23, 26), 2, 2);
    p.setBrush(weekend ? kRed : kBlue);
    p.drawRect(QRectF(8.5, 3.5, 23, 7));
    p.setBrush(kInk);
    p.drawRect(QRectF(12.5, 1.5, 2, 4));
    p.drawRect(QRectF(25.5, 1.5, 2, 4));
    QFont f("DejaVu Sans");
    f.setPixelSize(11);
    f.setBold(true);
    p.setFont(f);
    p.setPen(weekend ? kRed : kInk);
    p.drawText(QRectF(8.5, 11, 23, 18), Qt::AlignCenter, letters);
    return img;
}

QImage drawProgramIcon(int size)
{
    QImage img = canvas(size, size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    // a loudspeaker horn in front of a clock face: the timer that speaks
    clock(p, QPointF(19, 13), 11.5, 8, 0);
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kYellow);
    QPolygonF horn;
    horn << QPointF(3, 21) << QPointF(8, 21) << QPointF(16, 15) << QPointF(16, 31) << QPointF(8, 25) << QPointF(3, 25);
    p.drawPolygon(horn);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kBlue, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(13, 17, 10, 12), -50 * 16, 100 * 16);
    p.drawArc(QRectF(12, 14, 16, 18), -50 * 16, 100 * 16);
    return img;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    auto save = [&](const QImage &img, const char *name) { img.save(dir + "/" + name + ".png"); };
    save(drawNew(), "new");
    save(drawOpen(), "open");
    save(drawSave(), "save");
    save(drawPrint(), "print");
    save(drawTimeSet(), "timeset");
    save(drawAutoSet(), "autoset");
    save(drawDownload(), "download");
    save(drawUpload(), "upload");
    const char *days[] = {"MO", "TU", "WE", "TH", "FR", "SA", "SU"};
    const char *files[] = {"mon", "tue", "wed", "thu", "fri", "sat", "sun"};
    for (int i = 0; i < 7; ++i)
        save(drawDay(days[i], i >= 5), files[i]);
    save(drawProgramIcon(32), "tavrin32");
    save(drawProgramIcon(64), "tavrin64");
    return 0;
}
