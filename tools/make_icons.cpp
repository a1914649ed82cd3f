// Draws the application icon's bitmaps at build time from its SVG, so the
// drawing has one source. Run as: make_icons <svg> <output folder> <size>...
// and it writes app_icon_<size>.png for every size. Any warning of the SVG
// renderer (an element or attribute it does not draw) fails the build, since
// the bitmaps would then differ from the SVG that desktops draw themselves.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>

namespace {

bool warned = false;

void OnMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    // The platform's own notes (a missing runtime folder) say nothing of the icon.
    if (!context.category || !QByteArray(context.category).startsWith("qt.svg")) return;
    std::fprintf(stderr, "make_icons: %s\n", qPrintable(text));
    if (type != QtDebugMsg && type != QtInfoMsg) warned = true;
}

bool Blank(const QImage& img) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) != 0) return false;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: make_icons <svg> <output folder> <size>...\n");
        return 2;
    }
    qInstallMessageHandler(OnMessage);
    QGuiApplication app(argc, argv);
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid() || warned) {
        std::fprintf(stderr, "make_icons: cannot draw %s\n", argv[1]);
        return 1;
    }
    for (int i = 3; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        if (size <= 0) {
            std::fprintf(stderr, "make_icons: bad size %s\n", argv[i]);
            return 2;
        }
        QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter p(&img);
        svg.render(&p);
        p.end();
        const QString path = QStringLiteral("%1/app_icon_%2.png").arg(QString::fromLocal8Bit(argv[2])).arg(size);
        if (warned || Blank(img) || !img.save(path)) {
            std::fprintf(stderr, "make_icons: cannot draw or write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
