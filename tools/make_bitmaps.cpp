// Draws the game's bitmaps at build time: the seven camera-button glyphs, the
// two fold chevrons and the banner. Run as: make_bitmaps <output folder>.
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <cstdio>
#include <functional>

namespace {

const QColor Ink(77, 77, 77);

// Two bracket-like bars at the glyph's sides, as on all of the game's glyph buttons.
void Brackets(QPainter& p, int w, int h) {
    p.setPen(QPen(Ink, 1));
    p.drawLine(0, 0, 0, h - 1);
    p.drawLine(0, 0, 1, 0);
    p.drawLine(0, h - 1, 1, h - 1);
    p.drawLine(w - 1, 0, w - 1, h - 1);
    p.drawLine(w - 2, 0, w - 1, 0);
    p.drawLine(w - 2, h - 1, w - 1, h - 1);
}

// A chevron with its tip at (tx, ty), opening by (dx, dy) to both sides.
void Chevron(QPainter& p, QPointF tip, QPointF side1, QPointF side2) {
    QPainterPath path;
    path.moveTo(side1);
    path.lineTo(tip);
    path.lineTo(side2);
    p.setPen(QPen(Ink, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPath(path);
}

bool Save(const QImage& img, const char* dir, const char* name) {
    const QString path = QString::fromLocal8Bit(dir) + "/" + name + ".png";
    if (img.save(path)) return true;
    std::fprintf(stderr, "make_bitmaps: cannot write %s\n", qPrintable(path));
    return false;
}

QImage Glyph(int w, int h, const std::function<void(QPainter&)>& sign) {
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    Brackets(p, w, h);
    sign(p);
    return img;
}

QImage Banner() {
    QImage img(120, 90, QImage::Format_ARGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 90);
    sky.setColorAt(0, QColor(18, 28, 74));
    sky.setColorAt(0.6, QColor(70, 92, 160));
    sky.setColorAt(1, QColor(222, 150, 96));
    p.fillRect(img.rect(), sky);
    // Ring-shaped ridges, like the landscapes of the game.
    const QColor hills[] = {QColor(40, 120, 90), QColor(60, 150, 70), QColor(110, 170, 60)};
    for (int i = 0; i < 3; ++i) {
        QPainterPath ridge;
        ridge.moveTo(0, 90);
        for (int x = 0; x <= 120; x += 2) {
            const double y = 62 + i * 8 - 9 * std::sin((x + i * 37) / (14.0 + 5 * i)) * std::cos(x / 31.0 + i);
            ridge.lineTo(x, y);
        }
        ridge.lineTo(120, 90);
        p.fillPath(ridge, hills[i]);
    }
    // The arc of a shot and its burst.
    QPainterPath arc;
    arc.moveTo(14, 66);
    arc.quadTo(52, -6, 96, 60);
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.2, Qt::DashLine));
    p.drawPath(arc);
    QRadialGradient burst(96, 60, 12);
    burst.setColorAt(0, QColor(255, 250, 210));
    burst.setColorAt(0.35, QColor(255, 190, 60));
    burst.setColorAt(1, QColor(255, 80, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(burst);
    p.drawEllipse(QPointF(96, 60), 12, 12);
    // The title.
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(17);
    f.setBold(true);
    p.setFont(f);
    const QRect title(0, 6, 120, 22);
    p.setPen(QColor(0, 0, 0, 150));
    p.drawText(title.translated(1, 1), Qt::AlignHCenter, QStringLiteral("Skyburst"));
    p.setPen(QColor(255, 236, 170));
    p.drawText(title, Qt::AlignHCenter, QStringLiteral("Skyburst"));
    f.setPixelSize(12);
    p.setFont(f);
    p.setPen(QColor(255, 255, 255));
    p.drawText(QRect(0, 27, 120, 16), Qt::AlignHCenter, QStringLiteral("3D"));
    p.setPen(QColor(255, 255, 255, 90));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, 119, 89);
    return img;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_bitmaps <output folder>\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    const char* dir = argv[1];
    const int w = 15, h = 14;
    const double cx = (w - 1) / 2.0, cy = (h - 1) / 2.0;
    bool ok = true;
    ok &= Save(Glyph(w, h, [&](QPainter& p) { Chevron(p, {cx, cy - 2.5}, {cx - 4, cy + 1.5}, {cx + 4, cy + 1.5}); }), dir, "cam_up");
    ok &= Save(Glyph(w, h, [&](QPainter& p) { Chevron(p, {cx, cy + 2.5}, {cx - 4, cy - 1.5}, {cx + 4, cy - 1.5}); }), dir, "cam_down");
    ok &= Save(Glyph(w, h, [&](QPainter& p) { Chevron(p, {cx - 2.5, cy}, {cx + 1.5, cy - 4}, {cx + 1.5, cy + 4}); }), dir, "cam_left");
    ok &= Save(Glyph(w, h, [&](QPainter& p) { Chevron(p, {cx + 2.5, cy}, {cx - 1.5, cy - 4}, {cx - 1.5, cy + 4}); }), dir, "cam_right");
    ok &= Save(Glyph(w, h, [&](QPainter& p) {
                   p.setRenderHint(QPainter::Antialiasing);
                   p.setPen(Qt::NoPen);
                   p.setBrush(Ink);
                   p.drawEllipse(QPointF(cx + 0.5, cy + 0.5), 3.2, 3.2);
               }), dir, "cam_reset");
    ok &= Save(Glyph(w, h, [&](QPainter& p) {
                   p.fillRect(3, 6, 9, 2, Ink);
                   p.fillRect(6, 3, 2, 8, Ink);
               }), dir, "cam_plus");
    ok &= Save(Glyph(w, h, [&](QPainter& p) { p.fillRect(3, 6, 9, 2, Ink); }), dir, "cam_minus");
    const auto fold = [&](bool up) {
        return Glyph(17, 11, [&](QPainter& p) {
            for (int i = 0; i < 2; ++i) {
                const double y = up ? 2.5 + 4 * i : 8.5 - 4 * i;
                const double d = up ? 3 : -3;
                Chevron(p, {8, y}, {4, y + d}, {12, y + d});
            }
        });
    };
    ok &= Save(fold(true), dir, "fold_up");
    ok &= Save(fold(false), dir, "fold_down");
    ok &= Save(Banner(), dir, "banner");
    return ok ? 0 : 1;
}
