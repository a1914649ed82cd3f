// Aiming with the mouse on the real window: presses, drags and releases on the
// three aiming images as the window system delivers them (hit-tested, and held
// by the pressed image while the pointer wanders off it).
#include <QImage>
#include <QLocale>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "app/window_fixture.h"

namespace {

using sky::Rgb;
constexpr sky::Colour Face = Rgb(204, 204, 204);
constexpr sky::Colour Needle = Rgb(119, 119, 119);
constexpr sky::Colour Panel = Rgb(212, 212, 212);
constexpr double HalfPi = std::numbers::pi / 2;

QWindow* Win(QWidget* w) { return w->window()->windowHandle(); }
QPoint At(QWidget* w, int x, int y) { return w->mapTo(w->window(), QPoint(x, y)); }
void Press(QWidget* w, int x, int y) { QTest::mousePress(Win(w), Qt::LeftButton, {}, At(w, x, y)); }
void Move(QWidget* w, int x, int y) { QTest::mouseMove(Win(w), At(w, x, y)); }
void Release(QWidget* w, int x, int y) { QTest::mouseRelease(Win(w), Qt::LeftButton, {}, At(w, x, y)); }

// Numbers in the memo use the user's decimal separator.
std::string Dec(std::string text) {
    const char sep = QLocale::system().decimalPoint().at(0).toLatin1();
    for (char& c : text)
        if (c == '.') c = sep;
    return text;
}

std::vector<std::string> Memo(TForm1& f) { return f.Memo1->Lines(); }

sky::Aim& Current(StartedGame& g) { return g.S().PlayerAim[g.S().CurrentPlayer]; }

// Where OpenGL puts a point of the scene in the view's framebuffer image: the
// camera of every frame, the 45 degree perspective over the outer window size
// and a viewport whose lower left corner is the client area's.
QPointF Project(TForm1& f, double x, double y, double z) {
    const double rx = f.RotX * std::numbers::pi / 180, ry = f.RotY * std::numbers::pi / 180;
    const double x1 = x * std::cos(ry) + z * std::sin(ry), z1 = -x * std::sin(ry) + z * std::cos(ry);
    const double y2 = y * std::cos(rx) - z1 * std::sin(rx), z2 = y * std::sin(rx) + z1 * std::cos(rx);
    const double ez = z2 + f.S.Zoom;
    const double w = f.OuterWidth(), h = f.OuterHeight();
    const double focal = 1 / std::tan(22.5 * std::numbers::pi / 180);
    const double nx = focal * h / w * x1 / -ez, ny = focal * y2 / -ez;
    return {(nx + 1) / 2 * w, f.DeviceContext->height() - (ny + 1) / 2 * h};
}

QPointF PlayerOnScreen(StartedGame& g, int p) {
    const sky::Cell& c = g.S().PlayerPos[p];
    return Project(g.F1(), (c.x - 250) / 250.0, (c.z - 128) / 250.0 + 0.05, (c.y - 250) / 250.0);
}

struct Changes {
    int near = 0, far = 0;
};

// Pixels that differ between two frames, near the given point and elsewhere.
Changes Compare(const QImage& a, const QImage& b, QPointF centre, double radius) {
    Changes c;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                ++(std::hypot(x - centre.x(), y - centre.y()) <= radius ? c.near : c.far);
    return c;
}

}  // namespace

TEST(AimDrag, AzimuthDialFollowsTheMouseEvenOffTheDial) {
    StartedGame g;
    TForm1& f = g.F1();
    sky::Canvas& c = f.pb->Canvas();
    ASSERT_EQ(c.Pixel(60, 20), Needle) << "the start aim points straight up";
    g.S().TrailLength = 12;
    const int frames = f.FramesDrawn();

    Press(f.pb, 90, 60);
    EXPECT_EQ(g.S().TrailLength, 0);
    EXPECT_EQ(g.S().AimDragFlags[0], 1);
    EXPECT_DOUBLE_EQ(Current(g).azimuth, 0);
    EXPECT_EQ(Memo(f), std::vector<std::string>{"0"});
    EXPECT_EQ(c.Pixel(100, 60), Needle);
    EXPECT_EQ(c.Pixel(60, 20), Face) << "the old needle is wiped";
    EXPECT_EQ(f.FramesDrawn(), frames + 1) << "a press redraws the scene once";

    Move(f.pb, 30, 60);
    EXPECT_DOUBLE_EQ(Current(g).azimuth, 3.1416);
    EXPECT_EQ(Memo(f), std::vector<std::string>{Dec("3.1416")});
    EXPECT_EQ(c.Pixel(20, 60), Needle);
    EXPECT_EQ(c.Pixel(100, 60), Face);

    // Straight below the centre the direction is undefined: the aim stays.
    Move(f.pb, 60, 100);
    EXPECT_DOUBLE_EQ(Current(g).azimuth, 3.1416);
    EXPECT_EQ(c.Pixel(20, 60), Needle);

    // Off the dial, over the 3D view: the dial still gets the moves, the view does not.
    const double rotX = f.RotX;
    Move(f.pb, -100, 100);
    EXPECT_NEAR(Current(g).azimuth, std::atan(40.0 / -160.0) + 3.1416, 1e-12);
    EXPECT_EQ(Memo(f), std::vector<std::string>{Dec("2.89662133687314")});
    EXPECT_EQ(f.DragMode, 0);
    EXPECT_EQ(f.RotX, rotX);
    EXPECT_EQ(f.FramesDrawn(), frames + 1) << "moves redraw only the dial";

    Release(f.pb, -100, 100);
    EXPECT_EQ(g.S().AimDragFlags[0], 0);
    EXPECT_EQ(f.FramesDrawn(), frames + 2) << "the release shows the new aim";
    // Further moves without the button change nothing.
    Move(f.pb, 90, 60);
    EXPECT_NEAR(Current(g).azimuth, 2.8966213, 1e-6);

    const int other = 3 - g.S().CurrentPlayer;
    EXPECT_DOUBLE_EQ(g.S().PlayerAim[other].azimuth, -HalfPi) << "only the current player aims";
}

TEST(AimDrag, BarrelTurnsWithTheAzimuth) {
    StartedGame g;
    TForm1& f = g.F1();
    // Seen from straight above no hill can hide a figure.
    f.RotX = 90;
    f.DrawScene();
    const int p = g.S().CurrentPlayer;
    const QImage before = f.DeviceContext->grabFramebuffer();
    const int frames = f.FramesDrawn();

    Press(f.pb, 61, 110);  // from straight up to nearly straight down
    const QImage pressed = f.DeviceContext->grabFramebuffer();
    EXPECT_NEAR(Current(g).azimuth, std::atan(50.0), 1e-12);
    EXPECT_EQ(f.FramesDrawn(), frames + 1);
    Release(f.pb, 61, 110);
    EXPECT_EQ(f.FramesDrawn(), frames + 2);

    const QPointF at = PlayerOnScreen(g, p);
    ASSERT_TRUE(before.rect().contains(at.toPoint())) << at.x() << ", " << at.y();
    const Changes c = Compare(before, pressed, at, 90);
    EXPECT_GT(c.near, 20) << "the barrel near player " << p << " at " << at.x() << ", " << at.y();
    EXPECT_EQ(c.far, 0) << "nothing but the current player's barrel moves";
    g.Screenshot("barrel_turned");
}

TEST(AimDrag, ElevationDialClampsAndKeepsItsValueLeftOfThePivot) {
    StartedGame g;
    TForm1& f = g.F1();
    sky::Canvas& c = f.im2->Canvas();
    ASSERT_EQ(c.Pixel(25, 54), Needle) << "the start elevation -0.2";
    g.S().TrailLength = 3;
    const int frames = f.FramesDrawn();

    Press(f.im2, 50, 59);  // the bottom row, one above the pivot's level
    EXPECT_EQ(g.S().TrailLength, 0);
    EXPECT_DOUBLE_EQ(Current(g).elevation, std::atan(-1.0 / 50));
    EXPECT_EQ(Memo(f), std::vector<std::string>{Dec("-0.0199973339731505")});
    EXPECT_EQ(c.Pixel(30, 58), Needle);
    EXPECT_EQ(c.Pixel(25, 54), Face);
    EXPECT_EQ(c.Pixel(30, 59), Rgb(255, 255, 255)) << "the straight side is drawn again";
    EXPECT_EQ(f.FramesDrawn(), frames + 1);

    // Far above the dial, one column right of the pivot: nearly straight up.
    Move(f.im2, 1, -100);
    EXPECT_NEAR(Current(g).elevation, std::atan(-160.0), 1e-12);
    EXPECT_GT(Current(g).elevation, -HalfPi);
    EXPECT_EQ(c.Pixel(1, 30), Needle);
    EXPECT_EQ(c.Pixel(0, 30), Rgb(255, 255, 255));
    EXPECT_EQ(c.Pixel(30, 58), Face);

    // In the pivot's column and left of the dial the angle would flip: it stays.
    const double up = Current(g).elevation;
    Move(f.im2, 0, 10);
    Move(f.im2, -30, 40);
    EXPECT_EQ(Current(g).elevation, up);
    EXPECT_EQ(Memo(f), std::vector<std::string>{Dec("-1.5645464081732")});

    // Below the dial the angle would point down: it is held at level.
    Move(f.im2, 40, 200);
    EXPECT_DOUBLE_EQ(Current(g).elevation, 0);
    EXPECT_EQ(Memo(f), std::vector<std::string>{"0"});
    EXPECT_EQ(f.FramesDrawn(), frames + 1);

    Release(f.im2, 40, 200);
    EXPECT_EQ(g.S().AimDragFlags[1], 0);
    EXPECT_EQ(f.FramesDrawn(), frames + 2);
    EXPECT_DOUBLE_EQ(g.S().PlayerAim[3 - g.S().CurrentPlayer].elevation, -0.2);
}

TEST(AimDrag, PowerBarKeepsItsValueOutsideItsRows) {
    StartedGame g;
    TForm1& f = g.F1();
    sky::Canvas& c = f.im3->Canvas();
    ASSERT_EQ(c.Pixel(12, 75), Needle) << "power 40 marks row 75";
    g.S().TrailLength = 8;
    const int frames = f.FramesDrawn();

    Press(f.im3, 12, 2);
    EXPECT_EQ(g.S().TrailLength, 0);
    EXPECT_DOUBLE_EQ(Current(g).power, 0);
    EXPECT_EQ(Memo(f), std::vector<std::string>{"0"});
    EXPECT_EQ(c.Pixel(12, 2), Needle);
    EXPECT_EQ(c.Pixel(12, 75), Face);
    EXPECT_EQ(c.Pixel(2, 75), Panel);
    EXPECT_EQ(c.Pixel(5, 75), Rgb(255, 255, 255)) << "the bar's outline survives the wipe";
    EXPECT_EQ(f.FramesDrawn(), frames + 1);

    Move(f.im3, 12, 185);
    EXPECT_DOUBLE_EQ(Current(g).power, 18300.0 / 184);
    EXPECT_EQ(Memo(f), std::vector<std::string>{Dec("99.4565217391304")});
    EXPECT_EQ(c.Pixel(12, 185), Needle);
    EXPECT_EQ(c.Pixel(12, 2), Face);

    Move(f.im3, 12, 100);
    EXPECT_DOUBLE_EQ(Current(g).power, 9800.0 / 184);

    // Outside the rows 2..185, above, below or beside the bar: nothing happens.
    const uint64_t version = c.Version();
    for (const QPoint p : {QPoint(12, 1), QPoint(12, 186), QPoint(12, 400), QPoint(12, -50)}) {
        Move(f.im3, p.x(), p.y());
        EXPECT_DOUBLE_EQ(Current(g).power, 9800.0 / 184) << p.y();
    }
    EXPECT_EQ(c.Version(), version) << "nothing is drawn outside the rows";
    // Beside the bar the row still counts.
    Move(f.im3, 120, 50);
    EXPECT_DOUBLE_EQ(Current(g).power, 4800.0 / 184);

    Release(f.im3, 120, 50);
    EXPECT_EQ(g.S().AimDragFlags[2], 0);
    EXPECT_EQ(f.FramesDrawn(), frames + 1) << "the bar's release draws no frame";
    Move(f.im3, 12, 150);
    EXPECT_DOUBLE_EQ(Current(g).power, 4800.0 / 184);
}

TEST(AimDrag, TheOtherWidgetsIgnoreADragThatStartedElsewhere) {
    StartedGame g;
    TForm1& f = g.F1();
    Press(f.im3, 12, 50);
    // Over the azimuth dial while the bar holds the mouse.
    Move(f.im3, f.pb->x() - f.im3->x() + 90, 60);
    EXPECT_DOUBLE_EQ(Current(g).azimuth, -HalfPi);
    EXPECT_DOUBLE_EQ(Current(g).power, 58 * 100 / 184.0);
    Release(f.im3, 12, 50);
    EXPECT_EQ(g.S().AimDragFlags, (std::array<int32_t, 3>{0, 0, 0}));
}
