// Draws the pictures of the main window's frame and writes them into one folder:
//
//   bkimage1.jpg          500 x 336 background of the frame, progressive JPEG. The frame stretches
//                         it by a nine-slice rule around the centre rectangle (255, 150, 60, 60):
//                         the four corners keep their size, columns 255-315 stretch sideways,
//                         rows 150-210 stretch downwards. So every decoration stays inside a
//                         corner, the band x 255-315 only changes from top to bottom and the
//                         band y 150-210 is one flat colour. The caption and the module bar
//                         sit on the dark header at the top (y 0-106).
//   module_home.png       48 x 48 RGBA module pictures: home (a house),
//   module_protec.png     question bank (a stack of books),
//   module_search.png     exam guide (a compass),
//   module_tools.png      mock exam (an answer sheet and a stopwatch),
//   module_clock.png      search (a magnifying glass),
//   module_history.png    favourites (a star),
//   module_biji.png       notes (a ruled pad and a pencil).
//   quizora_16.png ... quizora_256.png   the program's icon (a shield with a tick) at
//                         16, 24, 32, 48, 64 and 256 pixels, each drawn at its own size.
//
// The pictures are committed beside this file; the normal build only embeds them. To draw them
// again after a change (Qt 6 development files installed):
//
//   g++ -std=c++20 -fPIC make_pictures.cpp -o /tmp/make_pictures $(pkg-config --cflags --libs Qt6Gui)
//   QT_QPA_PLATFORM=offscreen /tmp/make_pictures resources/skin

#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>

namespace {

using Art = std::function<void(QPainter &)>;

QColor rgba(int r, int g, int b, int a = 255)
{
    return QColor(r, g, b, a);
}

QLinearGradient vertical(qreal top, qreal bottom, const QColor &from, const QColor &to)
{
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, from);
    g.setColorAt(1, to);
    return g;
}

QLinearGradient diagonal(QPointF a, QPointF b, const QColor &from, const QColor &to)
{
    QLinearGradient g(a, b);
    g.setColorAt(0, from);
    g.setColorAt(1, to);
    return g;
}

// A soft shadow under a picture: its alpha, darkened, blurred and moved down a little.
QImage withShadow(const QImage &art, qreal scale)
{
    const int w = art.width();
    const int h = art.height();
    std::vector<float> alpha(size_t(w) * size_t(h), 0.0f);
    const int dy = std::max(1, int(std::lround(1.5 * scale)));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int sy = y - dy;
            if (sy >= 0)
                alpha[size_t(y) * size_t(w) + size_t(x)] = float(qAlpha(art.pixel(x, sy))) / 255.0f;
        }
    const int radius = std::max(1, int(std::lround(1.2 * scale)));
    for (int pass = 0; pass < 2; ++pass) {
        std::vector<float> tmp(alpha.size(), 0.0f);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                float sum = 0;
                for (int k = -radius; k <= radius; ++k) {
                    const int xx = std::clamp(x + k, 0, w - 1);
                    sum += alpha[size_t(y) * size_t(w) + size_t(xx)];
                }
                tmp[size_t(y) * size_t(w) + size_t(x)] = sum / float(2 * radius + 1);
            }
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                float sum = 0;
                for (int k = -radius; k <= radius; ++k) {
                    const int yy = std::clamp(y + k, 0, h - 1);
                    sum += tmp[size_t(yy) * size_t(w) + size_t(x)];
                }
                alpha[size_t(y) * size_t(w) + size_t(x)] = sum / float(2 * radius + 1);
            }
    }
    QImage out(w, h, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    {
        QPainter p(&out);
        QImage shadow(w, h, QImage::Format_ARGB32);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                shadow.setPixel(x, y, qRgba(0, 20, 40, int(alpha[size_t(y) * size_t(w) + size_t(x)] * 95.0f)));
        p.drawImage(0, 0, shadow);
        p.drawImage(0, 0, art);
    }
    return out.convertToFormat(QImage::Format_ARGB32);
}

// Draws a picture made in a 48 x 48 design grid at the given size.
QImage drawPicture(int size, const Art &art, bool shadow = true)
{
    const qreal scale = size / 48.0;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(scale, scale);
        art(p);
    }
    return shadow ? withShadow(image, scale) : image.convertToFormat(QImage::Format_ARGB32);
}

// ---- module pictures -------------------------------------------------------------------

void home(QPainter &p)
{
    const QColor ink = rgba(40, 58, 78);
    // Chimney, behind the roof.
    p.setPen(QPen(ink, 1.1));
    p.setBrush(vertical(9, 20, rgba(196, 92, 70), rgba(160, 64, 48)));
    p.drawRect(QRectF(31.5, 9.5, 5, 10));
    // Walls.
    p.setBrush(vertical(21, 42, rgba(255, 255, 255), rgba(222, 230, 238)));
    p.drawRect(QRectF(11.5, 21.5, 25, 20));
    // Windows and the door.
    p.setPen(QPen(ink, 1));
    p.setBrush(vertical(26, 32, rgba(150, 215, 250), rgba(70, 160, 220)));
    p.drawRect(QRectF(14.5, 26.5, 5.5, 5.5));
    p.drawRect(QRectF(28, 26.5, 5.5, 5.5));
    QPainterPath door;
    door.moveTo(20.5, 41.5);
    door.lineTo(20.5, 32);
    door.arcTo(QRectF(20.5, 29, 7, 6), 180, -180);
    door.lineTo(27.5, 41.5);
    door.closeSubpath();
    p.setBrush(vertical(29, 42, rgba(66, 135, 205), rgba(36, 92, 160)));
    p.drawPath(door);
    p.setPen(Qt::NoPen);
    p.setBrush(rgba(255, 220, 120));
    p.drawEllipse(QPointF(25.6, 36), 0.9, 0.9);
    // Roof: a thick chevron with a light ridge.
    QPainterPath roof;
    roof.moveTo(3.5, 24);
    roof.lineTo(24, 5.5);
    roof.lineTo(44.5, 24);
    roof.lineTo(41, 27.5);
    roof.lineTo(24, 12.5);
    roof.lineTo(7, 27.5);
    roof.closeSubpath();
    p.setPen(QPen(rgba(120, 36, 24), 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(vertical(5, 28, rgba(250, 118, 84), rgba(206, 58, 40)));
    p.drawPath(roof);
    p.setPen(QPen(rgba(255, 200, 180, 170), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(7, 24), QPointF(24, 8.6));
}

void book(QPainter &p, QRectF r, const QColor &cover, const QColor &dark)
{
    const QColor ink = rgba(40, 50, 70);
    // Pages, seen from the side, at the right end.
    p.setPen(QPen(ink, 1));
    p.setBrush(rgba(250, 246, 232));
    p.drawRoundedRect(r, 2.5, 2.5);
    p.setPen(QPen(rgba(200, 190, 165), 0.7));
    for (qreal y = r.top() + 2.3; y < r.bottom() - 1.5; y += 1.6)
        p.drawLine(QPointF(r.right() - 7, y), QPointF(r.right() - 1.5, y));
    // The cover, wrapped round the left end.
    QPainterPath coverPath;
    coverPath.addRoundedRect(QRectF(r.left(), r.top(), r.width() - 7, r.height()), 2.5, 2.5);
    p.setPen(QPen(ink, 1));
    p.setBrush(vertical(r.top(), r.bottom(), cover, dark));
    p.drawPath(coverPath);
    // Bands on the spine.
    p.setPen(Qt::NoPen);
    p.setBrush(rgba(255, 255, 255, 150));
    p.drawRect(QRectF(r.left() + 5, r.top() + 1, 1.6, r.height() - 2));
    p.drawRect(QRectF(r.right() - 13, r.top() + 1, 1.6, r.height() - 2));
    p.setBrush(rgba(255, 255, 255, 60));
    p.drawRect(QRectF(r.left() + 9, r.top() + r.height() / 2 - 1.2, r.width() - 25, 2.4));
}

void bookStack(QPainter &p)
{
    book(p, QRectF(5.5, 33.5, 37, 9), rgba(70, 150, 230), rgba(36, 96, 175));
    book(p, QRectF(8.5, 23.5, 34, 9), rgba(96, 196, 108), rgba(46, 140, 66));
    p.save();
    p.translate(24, 18);
    p.rotate(-6);
    book(p, QRectF(-18, -5, 35, 9), rgba(245, 110, 90), rgba(196, 54, 44));
    p.restore();
}

void compass(QPainter &p)
{
    const QPointF c(24, 24);
    // Case: a brass ring.
    QLinearGradient ring(QPointF(8, 6), QPointF(40, 42));
    ring.setColorAt(0, rgba(255, 226, 140));
    ring.setColorAt(0.5, rgba(214, 160, 52));
    ring.setColorAt(1, rgba(150, 100, 24));
    p.setPen(QPen(rgba(100, 64, 16), 1.1));
    p.setBrush(ring);
    p.drawEllipse(c, 19.5, 19.5);
    // Dial.
    QRadialGradient face(QPointF(20, 19), 20);
    face.setColorAt(0, rgba(255, 255, 255));
    face.setColorAt(1, rgba(220, 230, 238));
    p.setPen(QPen(rgba(120, 90, 40), 0.8));
    p.setBrush(face);
    p.drawEllipse(c, 15.5, 15.5);
    // Ticks: long at the four points, short between.
    for (int i = 0; i < 16; ++i) {
        const qreal a = i * std::numbers::pi / 8;
        const qreal inner = (i % 4 == 0) ? 11.0 : (i % 2 == 0 ? 12.6 : 13.4);
        p.setPen(QPen(rgba(60, 80, 100), i % 4 == 0 ? 1.3 : 0.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c + QPointF(std::sin(a) * inner, -std::cos(a) * inner),
                   c + QPointF(std::sin(a) * 14.4, -std::cos(a) * 14.4));
    }
    // Needle, pointing north-east: red half north, slate half south.
    p.save();
    p.translate(c);
    p.rotate(35);
    QPainterPath north;
    north.moveTo(0, -13);
    north.lineTo(3.6, 0);
    north.lineTo(-3.6, 0);
    north.closeSubpath();
    QPainterPath south;
    south.moveTo(0, 13);
    south.lineTo(3.6, 0);
    south.lineTo(-3.6, 0);
    south.closeSubpath();
    p.setPen(QPen(rgba(90, 20, 20), 0.8, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(diagonal(QPointF(-3, -6), QPointF(3, -6), rgba(255, 90, 70), rgba(200, 30, 30)));
    p.drawPath(north);
    p.setPen(QPen(rgba(40, 50, 60), 0.8, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(diagonal(QPointF(-3, 6), QPointF(3, 6), rgba(150, 165, 180), rgba(80, 95, 110)));
    p.drawPath(south);
    p.restore();
    p.setPen(QPen(rgba(110, 80, 20), 0.8));
    p.setBrush(rgba(250, 210, 110));
    p.drawEllipse(c, 2.1, 2.1);
    // Glass highlight.
    p.setPen(QPen(rgba(255, 255, 255, 150), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(11.5, 11.5, 25, 25), 100 * 16, 60 * 16);
}

void examSheet(QPainter &p)
{
    const QColor ink = rgba(44, 60, 80);
    // The sheet with a folded corner.
    QPainterPath sheet;
    sheet.moveTo(7.5, 4.5);
    sheet.lineTo(29, 4.5);
    sheet.lineTo(36.5, 12);
    sheet.lineTo(36.5, 43.5);
    sheet.lineTo(7.5, 43.5);
    sheet.closeSubpath();
    p.setPen(QPen(ink, 1.1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(vertical(4, 44, rgba(255, 255, 255), rgba(226, 234, 242)));
    p.drawPath(sheet);
    QPainterPath fold;
    fold.moveTo(29, 4.5);
    fold.lineTo(29, 12);
    fold.lineTo(36.5, 12);
    fold.closeSubpath();
    p.setBrush(rgba(200, 212, 226));
    p.drawPath(fold);
    // Three answer lines, each with a box; the first is ticked.
    for (int i = 0; i < 3; ++i) {
        const qreal y = 14 + i * 8.5;
        p.setPen(QPen(rgba(90, 110, 130), 1));
        p.setBrush(rgba(255, 255, 255));
        p.drawRect(QRectF(11.5, y, 5, 5));
        p.setPen(QPen(rgba(150, 170, 190), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(20, y + 2.5), QPointF(i == 0 ? 26 : 32, y + 2.5));
    }
    p.setPen(QPen(rgba(220, 40, 40), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath tick;
    tick.moveTo(11, 15.5);
    tick.lineTo(14, 19.2);
    tick.lineTo(19.5, 11.2);
    p.drawPath(tick);
    // Stopwatch at the lower right.
    const QPointF c(33.5, 34);
    p.setPen(QPen(rgba(70, 40, 10), 1));
    p.setBrush(vertical(21, 25, rgba(255, 190, 80), rgba(220, 130, 30)));
    p.drawRoundedRect(QRectF(31.5, 21.5, 4, 3.5), 0.8, 0.8);
    p.setBrush(diagonal(QPointF(24, 25), QPointF(43, 44), rgba(255, 176, 60), rgba(214, 110, 20)));
    p.drawEllipse(c, 10, 10);
    p.setPen(QPen(rgba(150, 90, 20), 0.7));
    p.setBrush(rgba(255, 255, 255));
    p.drawEllipse(c, 7.4, 7.4);
    p.setPen(QPen(rgba(40, 50, 60), 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, c + QPointF(0, -5.6));
    p.drawLine(c, c + QPointF(3.8, 1.6));
    p.setPen(Qt::NoPen);
    p.setBrush(rgba(220, 40, 40));
    p.drawEllipse(c, 1.2, 1.2);
}

void magnifier(QPainter &p)
{
    // Handle first, under the rim.
    p.setPen(QPen(rgba(40, 30, 20), 1));
    QPainterPath handle;
    handle.moveTo(28.5, 32.5);
    handle.lineTo(32.5, 28.5);
    handle.lineTo(44, 40);
    handle.cubicTo(45.5, 41.5, 41.5, 45.5, 40, 44);
    handle.closeSubpath();
    p.setBrush(diagonal(QPointF(34, 40), QPointF(40, 34), rgba(110, 64, 30), rgba(70, 36, 14)));
    p.drawPath(handle);
    p.setPen(QPen(rgba(230, 180, 120, 150), 1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(34, 31.5), QPointF(42, 39.5));
    // Lens.
    const QPointF c(20, 20);
    QRadialGradient glass(QPointF(16, 15), 16);
    glass.setColorAt(0, rgba(235, 250, 255, 235));
    glass.setColorAt(1, rgba(120, 195, 240, 220));
    p.setPen(Qt::NoPen);
    p.setBrush(glass);
    p.drawEllipse(c, 12.5, 12.5);
    // Rim.
    QLinearGradient rim(QPointF(6, 6), QPointF(34, 34));
    rim.setColorAt(0, rgba(200, 215, 230));
    rim.setColorAt(0.5, rgba(110, 130, 150));
    rim.setColorAt(1, rgba(60, 75, 95));
    p.setPen(QPen(QBrush(rim), 4.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 13.5, 13.5);
    p.setPen(QPen(rgba(30, 40, 55), 0.9));
    p.drawEllipse(c, 15.6, 15.6);
    p.drawEllipse(c, 11.4, 11.4);
    // Shine on the glass.
    p.setPen(QPen(rgba(255, 255, 255, 220), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(12, 12, 16, 16), 110 * 16, 60 * 16);
}

QPainterPath starPath(QPointF c, qreal outer, qreal inner)
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const qreal r = (i % 2 == 0) ? outer : inner;
        const qreal a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const QPointF pt = c + QPointF(std::cos(a) * r, std::sin(a) * r);
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

void star(QPainter &p)
{
    const QPointF c(24, 25.5);
    p.setPen(QPen(rgba(176, 104, 8), 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(vertical(5, 44, rgba(255, 228, 96), rgba(246, 158, 20)));
    p.drawPath(starPath(c, 20, 8.6));
    // Lighter upper facet for depth.
    p.setPen(Qt::NoPen);
    p.setBrush(rgba(255, 255, 255, 70));
    p.drawPath(starPath(c + QPointF(0, -1.8), 13.5, 5.8));
    p.setPen(QPen(rgba(255, 255, 255, 200), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(21.2, 11.8), QPointF(18.6, 18.4));
}

void notepad(QPainter &p)
{
    const QColor ink = rgba(44, 60, 80);
    // Pad with a green top band and ruled lines.
    p.setPen(QPen(ink, 1.1));
    p.setBrush(vertical(7, 44, rgba(255, 253, 240), rgba(240, 234, 210)));
    p.drawRoundedRect(QRectF(7.5, 7.5, 27, 36), 2, 2);
    p.setBrush(vertical(7, 14, rgba(90, 190, 120), rgba(40, 140, 80)));
    p.drawRoundedRect(QRectF(7.5, 7.5, 27, 7), 2, 2);
    p.setPen(QPen(rgba(130, 170, 215), 1));
    for (qreal y = 20; y <= 39; y += 4.5)
        p.drawLine(QPointF(9.5, y), QPointF(32.5, y));
    p.setPen(QPen(rgba(230, 110, 110), 1));
    p.drawLine(QPointF(13.5, 15), QPointF(13.5, 43));
    // Spiral rings over the top band.
    p.setPen(QPen(rgba(70, 80, 90), 1.4, Qt::SolidLine, Qt::RoundCap));
    for (qreal x = 12; x <= 31; x += 4.7)
        p.drawLine(QPointF(x, 4.8), QPointF(x, 10.5));
    // Pencil across the lower right.
    p.save();
    p.translate(35, 27);
    p.rotate(35);
    p.setPen(QPen(rgba(90, 60, 20), 1));
    p.setBrush(diagonal(QPointF(-3, 0), QPointF(3, 0), rgba(255, 214, 70), rgba(230, 160, 20)));
    p.drawRect(QRectF(-3, -15, 6, 20));
    p.setBrush(rgba(190, 196, 204));
    p.drawRect(QRectF(-3, -18, 6, 3));
    p.setBrush(rgba(240, 120, 130));
    p.drawRoundedRect(QRectF(-3, -21.5, 6, 3.5), 1.2, 1.2);
    QPainterPath tip;
    tip.moveTo(-3, 5);
    tip.lineTo(3, 5);
    tip.lineTo(0, 12);
    tip.closeSubpath();
    p.setBrush(rgba(244, 216, 170));
    p.drawPath(tip);
    QPainterPath lead;
    lead.moveTo(-1.2, 9.2);
    lead.lineTo(1.2, 9.2);
    lead.lineTo(0, 12);
    lead.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(rgba(40, 40, 40));
    p.drawPath(lead);
    p.restore();
}

// ---- program icon ------------------------------------------------------------------------

void shield(QPainter &p, int size)
{
    QPainterPath outline;
    outline.moveTo(24, 2.5);
    outline.cubicTo(30, 6.5, 37, 8, 43.5, 8);
    outline.cubicTo(43.5, 26, 37, 38.5, 24, 45.5);
    outline.cubicTo(11, 38.5, 4.5, 26, 4.5, 8);
    outline.cubicTo(11, 8, 18, 6.5, 24, 2.5);
    outline.closeSubpath();
    const qreal edge = size <= 16 ? 2.4 : (size <= 32 ? 1.8 : 1.3);
    p.setPen(QPen(rgba(14, 62, 96), edge, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(diagonal(QPointF(10, 4), QPointF(38, 44), rgba(60, 176, 214), rgba(20, 98, 150)));
    p.drawPath(outline);
    if (size >= 32) {
        // An inner rim and a light left half give the shield some depth.
        QTransform inset;
        inset.translate(24, 24);
        inset.scale(0.8, 0.8);
        inset.translate(-24, -23);
        p.setPen(QPen(rgba(255, 255, 255, 110), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(inset.map(outline));
        QPainterPath left;
        left.addRect(QRectF(0, 0, 24, 48));
        p.setPen(Qt::NoPen);
        p.setBrush(rgba(255, 255, 255, 36));
        p.drawPath(outline.intersected(left));
    }
    const qreal tickWidth = size <= 16 ? 7.5 : (size <= 32 ? 6.2 : 5.4);
    QPainterPath tick;
    tick.moveTo(14, 24.5);
    tick.lineTo(21.5, 32);
    tick.lineTo(35, 16);
    p.setPen(QPen(rgba(255, 255, 255), tickWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
}

// ---- background --------------------------------------------------------------------------

constexpr int kBackWidth = 500;
constexpr int kBackHeight = 336;
constexpr int kHeaderBottom = 106; // the header: caption and module bar

QImage background()
{
    QImage image(kBackWidth, kBackHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // Body: a pale blue-grey that only changes below the stretched rows 150-210.
    QLinearGradient body(0, kHeaderBottom, 0, kBackHeight);
    const qreal flatFrom = qreal(150 - kHeaderBottom) / (kBackHeight - kHeaderBottom);
    const qreal flatTo = qreal(210 - kHeaderBottom) / (kBackHeight - kHeaderBottom);
    body.setColorAt(0, rgba(228, 238, 245));
    body.setColorAt(flatFrom, rgba(236, 243, 248));
    body.setColorAt(flatTo, rgba(236, 243, 248));
    body.setColorAt(1, rgba(218, 231, 240));
    p.fillRect(QRect(0, kHeaderBottom, kBackWidth, kBackHeight - kHeaderBottom), body);

    // Header: deep teal-blue, lighter towards the module bar.
    QLinearGradient header(0, 0, 0, kHeaderBottom);
    header.setColorAt(0, rgba(18, 84, 128));
    header.setColorAt(0.22, rgba(24, 98, 144));
    header.setColorAt(1, rgba(40, 132, 176));
    p.fillRect(QRect(0, 0, kBackWidth, kHeaderBottom), header);

    // A soft glow behind the caption, fading out well before the stretched columns.
    QRadialGradient glow(QPointF(40, -30), 190);
    glow.setColorAt(0, rgba(255, 255, 255, 46));
    glow.setColorAt(1, rgba(255, 255, 255, 0));
    p.fillRect(QRect(0, 0, 250, kHeaderBottom), glow);

    // Rings in the top-right corner, clipped to the header and kept right of the stretched
    // columns.
    p.save();
    p.setClipRect(QRect(318, 0, kBackWidth - 318, kHeaderBottom));
    QRadialGradient disc(QPointF(470, 20), 150);
    disc.setColorAt(0, rgba(255, 255, 255, 34));
    disc.setColorAt(0.55, rgba(255, 255, 255, 14));
    disc.setColorAt(1, rgba(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(disc);
    p.drawEllipse(QPointF(470, 20), 150, 150);
    p.setBrush(Qt::NoBrush);
    const int ringAlpha[] = {40, 28, 20, 14};
    for (int i = 0; i < 4; ++i) {
        p.setPen(QPen(rgba(255, 255, 255, ringAlpha[i]), 1.2));
        p.drawEllipse(QPointF(478, 96), 50.0 + i * 26, 50.0 + i * 26);
    }
    p.restore();

    // The header's lower edge: a light line, then a short shadow on the body.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(0, kHeaderBottom - 2, kBackWidth, 1), rgba(20, 80, 120, 120));
    p.fillRect(QRect(0, kHeaderBottom - 1, kBackWidth, 1), rgba(140, 200, 230, 200));
    p.fillRect(QRect(0, kHeaderBottom, kBackWidth, 7),
               vertical(kHeaderBottom, kHeaderBottom + 7, rgba(0, 40, 70, 46), rgba(0, 40, 70, 0)));

    // A faint wave in the bottom corners, below the stretched rows.
    p.setRenderHint(QPainter::Antialiasing);
    p.save();
    p.setClipRect(QRect(318, 214, kBackWidth - 318, kBackHeight - 214));
    QPainterPath wave;
    wave.moveTo(318, 336);
    wave.cubicTo(380, 300, 430, 330, 500, 270);
    wave.lineTo(500, 336);
    wave.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(rgba(40, 132, 176, 22));
    p.drawPath(wave);
    QPainterPath wave2;
    wave2.moveTo(318, 336);
    wave2.cubicTo(400, 318, 440, 336, 500, 300);
    wave2.lineTo(500, 336);
    wave2.closeSubpath();
    p.setBrush(rgba(40, 132, 176, 26));
    p.drawPath(wave2);
    p.restore();
    p.save();
    p.setClipRect(QRect(0, 214, 252, kBackHeight - 214));
    QPainterPath wave3;
    wave3.moveTo(0, 300);
    wave3.cubicTo(60, 330, 150, 318, 252, 336);
    wave3.lineTo(0, 336);
    wave3.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(rgba(40, 132, 176, 18));
    p.drawPath(wave3);
    p.restore();
    p.end();
    return image;
}

bool save(const QImage &image, const QString &path, const char *format, bool progressive = false)
{
    QImageWriter writer(path, format);
    if (progressive) {
        writer.setQuality(92);
        writer.setProgressiveScanWrite(true);
    }
    if (!writer.write(image)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    if (!out.exists()) {
        std::fprintf(stderr, "no such folder: %s\n", qPrintable(out.path()));
        return 1;
    }
    bool ok = save(background(), out.filePath(QStringLiteral("bkimage1.jpg")), "jpeg", true);

    const struct {
        const char *file;
        void (*art)(QPainter &);
    } modules[] = {
        {"module_home.png", home},         {"module_protec.png", bookStack},
        {"module_search.png", compass},    {"module_tools.png", examSheet},
        {"module_clock.png", magnifier},   {"module_history.png", star},
        {"module_biji.png", notepad},
    };
    for (const auto &m : modules)
        ok = save(drawPicture(48, m.art), out.filePath(QString::fromLatin1(m.file)), "png") && ok;

    for (int size : {16, 24, 32, 48, 64, 256})
        ok = save(drawPicture(size, [size](QPainter &p) { shield(p, size); }, size >= 32),
                  out.filePath(QStringLiteral("quizora_%1.png").arg(size)), "png")
             && ok;
    return ok ? 0 : 1;
}
