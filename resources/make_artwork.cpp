// Draws the application's two pictures into the folder given as the only
// argument: the About box's die icon and the splash window's backdrop.
// Everything is drawn from fixed shapes and colours, so every build writes
// the same files.
#include <cmath>
#include <cstdio>

#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

constexpr int kIconWidth = 93;
constexpr int kIconHeight = 98;
constexpr int kBackdropWidth = 423;
constexpr int kBackdropHeight = 241;
constexpr int kJpegQuality = 92;

// Pip centres on a face of the given size, for a face showing `value`.
void DrawPips(QPainter& p, const QRectF& face, int value, const QColor& colour)
{
    const double step = face.width() / 4.0;
    const double r = face.width() * 0.085;
    const QPointF c = face.center();
    const QPointF tl(c.x() - step, c.y() - step), tr(c.x() + step, c.y() - step);
    const QPointF bl(c.x() - step, c.y() + step), br(c.x() + step, c.y() + step);
    const QPointF ml(c.x() - step, c.y()), mr(c.x() + step, c.y());

    QList<QPointF> pips;
    switch (value) {
    case 1:
        pips = {c};
        break;
    case 2:
        pips = {tl, br};
        break;
    case 3:
        pips = {tl, c, br};
        break;
    case 4:
        pips = {tl, tr, bl, br};
        break;
    case 5:
        pips = {tl, tr, c, bl, br};
        break;
    default:
        pips = {tl, tr, ml, mr, bl, br};
        break;
    }
    p.setPen(Qt::NoPen);
    for (const QPointF& at : pips) {
        QRadialGradient shade(at + QPointF(-r * 0.3, -r * 0.3), r * 1.2);
        shade.setColorAt(0.0, colour.lighter(160));
        shade.setColorAt(1.0, colour);
        p.setBrush(shade);
        p.drawEllipse(at, r, r);
    }
}

QImage DrawIcon()
{
    QImage image(kIconWidth, kIconHeight, QImage::Format_RGB32);
    image.fill(QColor(0xFF, 0xFF, 0xFF));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // A soft shadow under the die.
    QRadialGradient shadow(QPointF(48, 86), 40);
    shadow.setColorAt(0.0, QColor(0, 0, 0, 60));
    shadow.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(QPointF(48, 86), 40, 8);

    // The die in a slight three-quarter view: front face, top and right side.
    const QRectF front(12, 26, 56, 56);
    const double depth = 14;
    QPainterPath top;
    top.moveTo(front.topLeft());
    top.lineTo(front.topLeft() + QPointF(depth, -depth));
    top.lineTo(front.topRight() + QPointF(depth, -depth));
    top.lineTo(front.topRight());
    top.closeSubpath();
    QPainterPath side;
    side.moveTo(front.topRight());
    side.lineTo(front.topRight() + QPointF(depth, -depth));
    side.lineTo(front.bottomRight() + QPointF(depth, -depth));
    side.lineTo(front.bottomRight());
    side.closeSubpath();

    const QColor outline(0x5A, 0x1E, 0x1E);
    p.setPen(QPen(outline, 1.2));
    p.setBrush(QColor(0xE8, 0x3A, 0x3A));
    p.drawPath(top);
    p.setBrush(QColor(0xA8, 0x1E, 0x22));
    p.drawPath(side);

    QLinearGradient faceShade(front.topLeft(), front.bottomRight());
    faceShade.setColorAt(0.0, QColor(0xF2, 0x4C, 0x4C));
    faceShade.setColorAt(1.0, QColor(0xC4, 0x26, 0x2A));
    p.setBrush(faceShade);
    p.drawRoundedRect(front, 7, 7);

    DrawPips(p, front, 5, QColor(0xFA, 0xFA, 0xF4));

    // Small pips on the top and the side, squashed to follow their faces.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFA, 0xFA, 0xF4));
    const QPointF topCentre = front.topLeft() + QPointF(front.width() / 2 + depth / 2, -depth / 2);
    p.drawEllipse(topCentre, 4.5, 2.2);
    const QPointF sideCentre = front.topRight() + QPointF(depth / 2, front.height() / 2 - depth / 2);
    p.drawEllipse(sideCentre + QPointF(0, -12), 2.0, 4.0);
    p.drawEllipse(sideCentre + QPointF(0, 12), 2.0, 4.0);
    p.end();
    return image;
}

QImage DrawBackdrop()
{
    QImage image(kBackdropWidth, kBackdropHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // The splash's own colour #BEC889 in the middle, a shade lighter above
    // and darker below, so the labels read on every part of it.
    QLinearGradient wash(0, 0, 0, kBackdropHeight);
    wash.setColorAt(0.0, QColor(0xD2, 0xDA, 0xA4));
    wash.setColorAt(0.5, QColor(0xBE, 0xC8, 0x89));
    wash.setColorAt(1.0, QColor(0xB0, 0xBB, 0x7A));
    p.fillRect(image.rect(), wash);

    // Faint swells across the lower part, like slack water at the estuary.
    for (int line = 0; line < 7; ++line) {
        const double baseline = 120.0 + line * 17.0;
        const double amplitude = 3.0 + line * 0.6;
        const double phase = line * 0.9;
        QPainterPath wave;
        wave.moveTo(0, baseline + amplitude * std::sin(phase));
        for (int x = 4; x <= kBackdropWidth; x += 4) wave.lineTo(x, baseline + amplitude * std::sin(phase + x / 38.0));
        p.setPen(QPen(QColor(0xFF, 0xFF, 0xF0, 34), 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawPath(wave);
        p.setPen(QPen(QColor(0x6E, 0x78, 0x40, 22), 1.0));
        p.drawPath(wave.translated(0, 2.0));
    }

    // A light glow behind the title area, top left.
    QRadialGradient glow(QPointF(130, 40), 190);
    glow.setColorAt(0.0, QColor(0xFF, 0xFF, 0xF4, 46));
    glow.setColorAt(1.0, QColor(0xFF, 0xFF, 0xF4, 0));
    p.fillRect(image.rect(), glow);
    p.end();
    return image;
}

bool Save(const QImage& image, const QDir& folder, const char* name)
{
    const QString path = folder.filePath(QString::fromLatin1(name));
    if (image.save(path, "JPEG", kJpegQuality)) return true;
    std::fprintf(stderr, "make_artwork: cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_artwork <output folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "make_artwork: cannot make %s\n", argv[1]);
        return 1;
    }
    const bool ok =
        Save(DrawIcon(), folder, "quandeicon.jpg") && Save(DrawBackdrop(), folder, "brackwaterbackground.jpg");
    return ok ? 0 : 1;
}
