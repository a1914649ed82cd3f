// The keyboard on the real window: keys delivered to the window as the window
// system delivers them (to the control with the focus), for the aiming
// widgets, the buttons and radio groups in their Tab order, and the 3D view.
#include <QApplication>
#include <QRadioButton>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "aiming/aim_widgets.h"
#include "app/window_fixture.h"
#include "core/number_text.h"
#include "ui/strings.h"

namespace {

constexpr double HalfPi = std::numbers::pi / 2, Degree = std::numbers::pi / 180;

void Key(TForm1& f, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(f.windowHandle(), key, modifiers);
}
// The window's focus widget: the one its keys go to, also before the window is active.
QWidget* Focused(TForm1& f) { return f.focusWidget(); }

// Tabs (or Shift+Tabs) until w has the focus; answers whether it got there within one round.
bool TabTo(TForm1& f, QWidget* w, Qt::KeyboardModifiers modifiers = {}) {
    for (int i = 0; i < 40 && Focused(f) != w; ++i) Key(f, Qt::Key_Tab, modifiers);
    return Focused(f) == w;
}

QWindow* Win(QWidget* w) { return w->window()->windowHandle(); }
QPoint At(QWidget* w, int x, int y) { return w->mapTo(w->window(), QPoint(x, y)); }
void Press(QWidget* w, int x, int y) { QTest::mousePress(Win(w), Qt::LeftButton, {}, At(w, x, y)); }
void Release(QWidget* w, int x, int y) { QTest::mouseRelease(Win(w), Qt::LeftButton, {}, At(w, x, y)); }

sky::Aim& Current(StartedGame& g) { return g.S().PlayerAim[g.S().CurrentPlayer]; }

std::vector<sky::Colour> Pixels(const sky::Canvas& c) { return {c.Bits(), c.Bits() + c.Width() * c.Height()}; }

// What a drag leaves on the three widgets: only the aim's needles and mark,
// as when it is drawn on fresh faces.
void ExpectShowsOnly(TForm1& f, const sky::Aim& aim) {
    auto fresh = std::make_unique<sky::GameState>();
    fresh->CurrentPlayer = 1;
    fresh->PlayerAim[1] = aim;
    sky::Canvas pb(120, 120, 0), im2(60, 60, 0), im3(25, 188, 0);
    sky::AimWidgets(*fresh, pb, im2, im3, {}).ShowStoredAim();
    EXPECT_EQ(Pixels(f.pb->Canvas()), Pixels(pb));
    EXPECT_EQ(Pixels(f.im2->Canvas()), Pixels(im2));
    EXPECT_EQ(Pixels(f.im3->Canvas()), Pixels(im3));
}

std::string Memo(TForm1& f) { return f.Memo1->Lines().at(0); }
std::string Shown(double v) { return sky::FloatToText(v, QLocale::system().decimalPoint().at(0).toLatin1()); }

// The colour of a window pixel as the screen shows it.
QColor ScreenPixel(TForm1& f, QWidget* w, QPoint at) {
    QTest::qWait(30);
    return f.screen()->grabWindow(f.winId()).toImage().pixelColor(w->mapTo(&f, at));
}

}  // namespace

TEST(Keyboard, AimingKeysStepTheAimAndDrawWhatADragDraws) {
    StartedGame g;
    TForm1& f = g.F1();
    sky::Aim& aim = Current(g);
    const sky::Aim other = g.S().PlayerAim[3 - g.S().CurrentPlayer];
    ASSERT_EQ(Focused(f), f.im3) << "the power bar has the focus from the start";

    // The bar: one mouse row per arrow key. The start power 40 lies between rows 75 and 76.
    g.S().TrailLength = 5;
    int frames = f.FramesDrawn();
    Key(f, Qt::Key_Up);
    EXPECT_DOUBLE_EQ(aim.power, 7300.0 / 184);
    EXPECT_EQ(Memo(f), Shown(aim.power));
    EXPECT_EQ(g.S().TrailLength, 0) << "like a press, a key takes the last trail away";
    EXPECT_EQ(f.FramesDrawn(), frames + 1);
    const std::vector<sky::Colour> byKey = Pixels(f.im3->Canvas());
    Key(f, Qt::Key_Down);
    EXPECT_DOUBLE_EQ(aim.power, 7400.0 / 184);
    Press(f.im3, 12, 75);
    Release(f.im3, 12, 75);
    ASSERT_DOUBLE_EQ(aim.power, 7300.0 / 184);
    EXPECT_EQ(Pixels(f.im3->Canvas()), byKey) << "the key drew what a drag to its row draws";
    // Ten rows per page key, the ends of the mouse's range, and no further.
    const std::pair<Qt::Key, int> bar[] = {{Qt::Key_PageUp, 65},   {Qt::Key_PageDown, 75}, {Qt::Key_Home, 2},
                                           {Qt::Key_Up, 2},        {Qt::Key_End, 185},     {Qt::Key_Down, 185},
                                           {Qt::Key_PageUp, 175}};
    for (const auto& [key, row] : bar) {
        Key(f, key);
        EXPECT_DOUBLE_EQ(aim.power, (row - 2) * 100.0 / 184) << "row " << row;
    }
    ExpectShowsOnly(f, aim);

    // The round dial: Right turns clockwise on the screen, from the top of the map towards its right.
    Key(f, Qt::Key_Tab);
    ASSERT_EQ(Focused(f), f.pb);
    frames = f.FramesDrawn();
    const std::pair<Qt::KeyboardModifiers, Qt::Key> dial[] = {
        {{}, Qt::Key_Right}, {Qt::ShiftModifier, Qt::Key_Right}, {{}, Qt::Key_PageDown}};
    for (const auto& [modifiers, key] : dial) Key(f, key, modifiers);
    EXPECT_NEAR(aim.azimuth, -HalfPi + 11.1 * Degree, 1e-12);
    EXPECT_EQ(Memo(f), Shown(aim.azimuth));
    EXPECT_EQ(f.FramesDrawn(), frames + 3) << "the barrel follows every step";
    ExpectShowsOnly(f, aim);
    Key(f, Qt::Key_PageUp);
    Key(f, Qt::Key_Left, Qt::ShiftModifier);
    Key(f, Qt::Key_Left);
    EXPECT_NEAR(aim.azimuth, -HalfPi, 1e-12);
    // Past the top to the left: kept in the range a drag gives.
    Key(f, Qt::Key_Left);
    EXPECT_NEAR(aim.azimuth, 3 * HalfPi - Degree, 1e-12);
    ExpectShowsOnly(f, aim);

    // The quarter dial: Up raises, by a degree or a tenth of one, between level and straight up.
    Key(f, Qt::Key_Tab);
    ASSERT_EQ(Focused(f), f.im2);
    Key(f, Qt::Key_Up);
    Key(f, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_NEAR(aim.elevation, -0.2 - 0.9 * Degree, 1e-12);
    EXPECT_EQ(Memo(f), Shown(aim.elevation));
    ExpectShowsOnly(f, aim);
    Key(f, Qt::Key_PageDown);
    EXPECT_NEAR(aim.elevation, -0.2 + 9.1 * Degree, 1e-12);
    Key(f, Qt::Key_PageDown);
    EXPECT_EQ(aim.elevation, 0);
    for (int i = 0; i < 10; ++i) Key(f, Qt::Key_PageUp);
    EXPECT_EQ(aim.elevation, -HalfPi);
    ExpectShowsOnly(f, aim);

    EXPECT_DOUBLE_EQ(g.S().PlayerAim[3 - g.S().CurrentPlayer].power, other.power) << "only the current player aims";
}

TEST(Keyboard, TabVisitsTheControlsAndTheirKeysPressThem) {
    StartedGame g;
    TForm1& f = g.F1();
    const QColor panel(212, 212, 212), frame = QApplication::palette().color(QPalette::Highlight);
    ASSERT_TRUE(WaitFor([&] { return f.isActiveWindow(); })) << "a frame shows in the active window only";
    EXPECT_EQ(f.FocusMark->Framed(), nullptr);
    EXPECT_EQ(ScreenPixel(f, f.im3, {-2, 40}), panel) << "no frame before the first Tab";

    // The folded settings are passed over; the computer level is one stop, at its checked item.
    const std::vector<QWidget*> order{
        f.pb, f.im2, f.SpeedButton3, f.sbComp, f.radComp->ItemButton(f.radComp->ItemIndex()), f.DeviceContext,
        f.SpeedButton7, f.SpeedButton9, f.SpeedButton11, f.SpeedButton10, f.SpeedButton8, f.SpeedButton5,
        f.SpeedButton6, f.SpeedButton13, f.SpeedButton1, f.SpeedButton2, f.SpeedButton15, f.SpeedButton4,
        f.SpeedButton14, f.SpeedButton12, f.im3};
    for (QWidget* w : order) {
        Key(f, Qt::Key_Tab);
        EXPECT_EQ(Focused(f), w);
        EXPECT_EQ(f.FocusMark->Framed(), w);
        if (w == f.pb) {
            EXPECT_EQ(ScreenPixel(f, w, {-2, 40}), frame) << "the frame lies around the dial";
            EXPECT_EQ(ScreenPixel(f, w, {0, 0}), panel) << "and leaves the image as it is";
            g.Screenshot("focus_dial");
        }
        if (w == f.DeviceContext) {
            EXPECT_EQ(ScreenPixel(f, w, {1, 300}), frame) << "the view's frame runs along the window's edge";
            g.Screenshot("focus_view");
        }
    }
    Key(f, Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(Focused(f), f.SpeedButton12);

    // A mouse press takes the frame away; a click on a button leaves the focus where it was.
    QTest::mouseClick(Win(f.SpeedButton11), Qt::LeftButton, {}, At(f.SpeedButton11, 10, 10));
    EXPECT_EQ(Focused(f), f.SpeedButton12);
    EXPECT_EQ(f.FocusMark->Framed(), nullptr);

    // Space presses a button: the settings unfold and become stops; Return folds them again.
    ASSERT_TRUE(TabTo(f, f.SpeedButton1, Qt::ShiftModifier));
    Key(f, Qt::Key_Space);
    ASSERT_EQ(f.Panel3->width(), 205);
    Key(f, Qt::Key_Tab);
    const int language = f.radSprache->ItemIndex();
    ASSERT_EQ(Focused(f), f.radSprache->ItemButton(language));
    g.Screenshot("focus_language");
    // An arrow picks the next item, as a click would: the language changes.
    const int next = language == 2 ? 1 : language + 1;
    Key(f, next > language ? Qt::Key_Down : Qt::Key_Up);
    EXPECT_EQ(f.radSprache->ItemIndex(), next);
    EXPECT_EQ(Focused(f), f.radSprache->ItemButton(next));
    EXPECT_EQ(g.S().Language, next * 1000 + 1000);
    EXPECT_EQ(f.SpeedButton3->Caption(), sky::LoadStr(g.S().Language));
    Key(f, Qt::Key_Tab);
    EXPECT_EQ(Focused(f), f.radiogr->ItemButton(f.radiogr->ItemIndex())) << "one stop per group";
    Key(f, Qt::Key_Tab, Qt::ShiftModifier);
    Key(f, Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(Focused(f), f.SpeedButton1);
    Key(f, Qt::Key_Return);
    EXPECT_EQ(f.Panel3->width(), 40);
    Key(f, Qt::Key_Tab);
    EXPECT_EQ(Focused(f), f.SpeedButton2);

    // Space on Shoot: the locked controls give the focus away for the shot and get it back after.
    const int shooter = g.S().CurrentPlayer;
    g.S().PlayerAim[shooter] = {0, -1.2, 99};  // steep and weak: down again at once
    g.S().Energy.Fill(1000);                    // and no one is beaten by it
    ASSERT_TRUE(TabTo(f, f.SpeedButton3));
    Key(f, Qt::Key_Space);
    ASSERT_FALSE(f.SpeedButton3->isEnabled());
    ASSERT_NE(Focused(f), nullptr);
    EXPECT_TRUE(Focused(f)->isEnabled());
    ASSERT_TRUE(WaitFor([&] { return f.ShotThread->Finished(); }, 60000));
    EXPECT_EQ(g.S().CurrentPlayer, 3 - shooter);
    EXPECT_EQ(Focused(f), f.SpeedButton3);
}

TEST(Keyboard, ViewKeysTakeTheCameraButtonsSteps) {
    StartedGame g;
    TForm1& f = g.F1();
    // A click on the view gives it the keys, as a drag starts there.
    const QPoint free(f.width() / 2, f.height() / 2 + 60);
    QTest::mouseClick(f.DeviceContext->Surface(), Qt::LeftButton, {}, free);
    ASSERT_EQ(Focused(f), f.DeviceContext);
    const int frames = f.FramesDrawn();
    Key(f, Qt::Key_Up);
    Key(f, Qt::Key_Up);
    Key(f, Qt::Key_Down);
    EXPECT_DOUBLE_EQ(f.RotX, 50);
    Key(f, Qt::Key_Left);
    Key(f, Qt::Key_Right);
    Key(f, Qt::Key_Right);
    EXPECT_DOUBLE_EQ(f.RotY, 20);
    Key(f, Qt::Key_Plus);
    Key(f, Qt::Key_Plus);
    Key(f, Qt::Key_Minus);
    EXPECT_DOUBLE_EQ(g.S().Zoom, -2.5);
    EXPECT_EQ(f.FramesDrawn(), frames + 9) << "one frame per key, as per button press";
    Key(f, Qt::Key_Home);
    EXPECT_EQ(f.RotX, 70);
    EXPECT_EQ(f.RotY, 0);
    EXPECT_EQ(g.S().Zoom, -3);
    // Keys the view does not use change nothing.
    Key(f, Qt::Key_PageUp);
    EXPECT_EQ(f.FramesDrawn(), frames + 10);
}
