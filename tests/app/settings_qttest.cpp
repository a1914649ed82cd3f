// The display settings picked with the mouse in the real window: each look
// and detail level redraws the view, each colour scheme rebuilds the table,
// the colour bar, the overview map and the view. Screenshots of every case
// land in the build tree.
#include <QRadioButton>

#include "app/window_fixture.h"
#include "core/canvas.h"

namespace {

void Pick(sky::TRadioGroup* group, int item) {
    QRadioButton* b = group->ItemButton(item);
    ASSERT_NE(b, nullptr);
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
    ASSERT_EQ(group->ItemIndex(), item);
}

sky::Colour TableColour(const sky::GameState& s, int height) {
    const sky::RGB& c = s.ColourTable[static_cast<std::size_t>(height)];
    return sky::Rgb(c.r, c.g, c.b);
}

QImage Frame(StartedGame& g) { return g.F1().DeviceContext->grabFramebuffer(); }

}  // namespace

TEST(DisplaySettings, EveryLookAndDetailLevelRedrawsTheView) {
    StartedGame g;
    TForm1& f = g.F1();
    QTest::mouseClick(f.SpeedButton1, Qt::LeftButton);
    ASSERT_EQ(f.Panel3->width(), 205);
    const int steps[] = {2, 5, 10, 20, 50};
    QImage previous = Frame(g);
    for (int look = 0; look < 3; ++look) {
        Pick(f.radiogr, look);
        for (int detail = 0; detail < 5; ++detail) {
            const int before = f.FramesDrawn();
            Pick(f.radSize, detail);
            EXPECT_EQ(g.S().DetailStep, steps[detail]);
            EXPECT_GT(f.FramesDrawn(), before) << "look " << look << " detail " << detail;
            const QImage now = Frame(g);
            EXPECT_NE(now, previous) << "look " << look << " detail " << detail;
            previous = now;
            g.Screenshot(QString("look%1_detail%2").arg(look).arg(detail + 1));
        }
    }
}

TEST(DisplaySettings, EveryColourSchemeRecoloursBarMapAndView) {
    StartedGame g;
    TForm1& f = g.F1();
    QTest::mouseClick(f.SpeedButton1, Qt::LeftButton);
    const sky::GameState& s = g.S();
    for (int scheme : {1, 2, 3, 4, 5, 0}) {
        const QImage before = Frame(g);
        Pick(f.radFarben, scheme);
        if (scheme == 0) {
            EXPECT_EQ(s.ColourTable[0], (sky::RGB{0, 0, 115})) << "Bunt again after the others";
        } else {
            const int red[] = {0, 255, 255, 48, 48, 255};
            EXPECT_EQ(s.ColourTable[250].r, 250 * red[scheme] / 256);
        }
        // The bar shows height i on row 250 - i inside its white frame.
        const sky::Canvas& bar = f.imFarben->Canvas();
        for (int i : {2, 60, 125, 200, 249}) EXPECT_EQ(bar.Pixel(15, 250 - i), TableColour(s, i)) << i;
        EXPECT_EQ(bar.Pixel(0, 100), sky::Rgb(255, 255, 255));
        // The map shows cell (3i, 3j) on pixel (i, j).
        const sky::Canvas& map = f.imLand->Canvas();
        for (int i : {1, 40, 80, 120, 164}) {
            const int x = 3 * i, y = 3 * (165 - i);
            const bool underDisc = std::abs(x - s.PlayerPos[1].x) < 25 || std::abs(x - s.PlayerPos[2].x) < 25;
            if (!underDisc) {
                EXPECT_EQ(map.Pixel(i, 165 - i), TableColour(s, s.H(x, y))) << i;
            }
        }
        EXPECT_NE(Frame(g), before) << "scheme " << scheme;
        g.Screenshot(QString("scheme%1").arg(scheme));
    }
}
