// The folding side panels, the help pop-up beside the controls it explains,
// and the banner.
#include <QWindow>

#include "app/form1_qt.h"
#include "app/form3_qt.h"
#include "platform/frame_extents.h"
#include "ui/strings.h"

bool TForm1::SettingsFolded() const { return Panel3->width() == 40; }
bool TForm1::WindFolded() const { return SpeedButton2->Caption() == "[>>]"; }
bool TForm1::ComputerFolded() const { return Panel2->height() <= 230; }

// Each fold renames its button for a screen reader: it says what a press does next.
void TForm1::SpeedButton1Click() {
    if (SettingsFolded()) {
        SpeedButton1->SetCaption("[<<]");
        Panel3->resize(205, Panel3->height());
    } else {
        Panel3->resize(40, Panel3->height());
        SpeedButton1->SetCaption("[>>]");
    }
    UpdateAccessibleTexts();
    FormResize();
}

void TForm1::SpeedButton2Click() {
    if (!WindFolded()) {
        SpeedButton2->SetCaption("[>>]");
        Panel1->resize(imLand->width() + 14, Panel1->height());
    } else {
        SpeedButton2->SetCaption("[<<]");
        Panel1->resize(326, Panel1->height());
    }
    UpdateAccessibleTexts();
    FormResize();
}

// Anchored at its top, so folding needs no re-docking.
void TForm1::SpeedButton15Click() {
    if (!ComputerFolded()) {
        Panel2->resize(Panel2->width(), 230);
        SpeedButton15->SetGlyph(imUnten->pixmap());
    } else {
        Panel2->resize(Panel2->width(), 335);
        SpeedButton15->SetGlyph(imOben->pixmap());
    }
    UpdateAccessibleTexts();
}

// Positions are on the screen: the window's outer corner, one side border
// (B) and the caption bar with both borders (N) lead to the client area.
void TForm1::ShowHelp(int left, int top, int width, int height, int textOffset) {
    if (!Form3) return;
    Form3->setGeometry(left, top, width, height);
    Form3->Memo1->SetText(sky::LoadStr(S.Language + textOffset));
    Form3->show();
    Form3->raise();
    Form3->activateWindow();
}

namespace {
struct Frame {
    int L, T, B, N;
};
// The client area's place is the window system's: on Wayland, where a window
// does not know where it lies, that is where its pop-ups are placed from.
Frame FrameOf(const QWidget& w) {
    const QMargins frame = sky::FrameMargins(w);
    const QRect client = w.windowHandle() ? w.windowHandle()->geometry() : w.geometry();
    return {client.x() - frame.left(), client.y() - frame.top(), (frame.left() + frame.right()) / 2,
            frame.top() + frame.bottom()};
}
}  // namespace

void TForm1::SpeedButton4Click() {
    const Frame f = FrameOf(*this);
    ShowHelp(f.L + f.B + Panel2->x(), f.T + f.N + Panel2->y() + SpeedButton4->y() + 25, Panel2->width(), 130, 9);
}

void TForm1::SpeedButton12Click() {
    const Frame f = FrameOf(*this);
    ShowHelp(f.L + f.B + Panel4->x(), f.T + f.N + Panel4->y() - 130 - 10, Panel4->width(), 130, 10);
}

void TForm1::SpeedButton14Click() {
    const Frame f = FrameOf(*this);
    ShowHelp(f.L + f.B + Panel2->x(), f.T + f.N + Panel2->y() + Panel2->height() + 5, Panel2->width(), 100, 20);
}

const char* TForm1::BannerAddress = "https://en.wikipedia.org/wiki/Artillery_game";

void TForm1::Image1Click() {
    if (OpenUrl) OpenUrl(QString::fromUtf8(BannerAddress));
}
