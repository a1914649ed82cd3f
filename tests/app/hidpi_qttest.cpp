// The window on a HiDPI screen (QT_SCALE_FACTOR 2 and 1.5, set by CTest): the
// 3D view fills the client area, the mouse keeps its meaning in logical
// pixels, and the small images stay sharp.
#include <QImage>
#include <QWindow>

#include <cmath>
#include <cstdlib>
#include <set>

#include "app/window_fixture.h"

namespace {

QWindow* Win(QWidget* w) { return w->window()->windowHandle(); }
QPoint At(QWidget* w, int x, int y) { return w->mapTo(w->window(), QPoint(x, y)); }

}  // namespace

TEST(HiDpi, ViewFillsTheWindowAndImagesStaySharp) {
    const char* factor = std::getenv("QT_SCALE_FACTOR");
    if (!factor) GTEST_SKIP() << "run by CTest with QT_SCALE_FACTOR set";
    StartedGame g;
    TForm1& f = g.F1();
    const qreal scale = f.DeviceContext->Surface()->devicePixelRatio();
    ASSERT_NEAR(scale, std::atof(factor), 1e-9);
    EXPECT_EQ(f.OuterWidth(), 750) << "the layout is in logical pixels";

    // The frame covers the whole read-back: the landscape lies about the
    // middle, not squeezed into the lower left corner.
    const QImage frame = f.DeviceContext->grabFramebuffer();
    ASSERT_EQ(frame.width(), qRound(f.DeviceContext->width() * scale));
    const QRgb background = frame.pixel(2, 2);
    int left = frame.width(), right = 0, top = frame.height(), bottom = 0;
    for (int y = 0; y < frame.height(); y += 2)
        for (int x = 0; x < frame.width(); x += 2)
            if (frame.pixel(x, y) != background) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    const double middle = (left + right) / 2.0 / frame.width();
    EXPECT_NEAR(middle, 0.5, 0.1) << left << ".." << right << " of " << frame.width();
    EXPECT_LT(top, frame.height() / 3) << "the far edge of the landscape lies high in the view";

    // A press on the dial means the same logical point at any scale.
    QTest::mousePress(Win(f.pb), Qt::LeftButton, {}, At(f.pb, 90, 90));
    QTest::mouseRelease(Win(f.pb), Qt::LeftButton, {}, At(f.pb, 90, 90));
    EXPECT_DOUBLE_EQ(g.S().PlayerAim[g.S().CurrentPlayer].azimuth, std::atan(1.0));

    // Nearest-neighbour scaling: every device pixel of the dial is one of the
    // canvas's own colours, none a blend of two.
    std::set<QRgb> canvas;
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 120; ++x) canvas.insert(f.pb->Canvas().Pixel(x, y) | 0xFF000000u);
    const QImage dial = f.pb->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(dial.width(), qRound(120 * scale));
    int blended = 0;
    for (int y = 0; y < dial.height(); ++y)
        for (int x = 0; x < dial.width(); ++x) blended += canvas.count(dial.pixel(x, y) | 0xFF000000u) == 0;
    EXPECT_EQ(blended, 0);
    g.Screenshot(QString("hidpi_%1").arg(factor));
}
