// The folding side panels, the help pop-up beside the controls it explains,
// and the banner.
#include "app/form1_qt.h"
#include "app/form3_qt.h"
#include "platform/frame_extents.h"
#include "ui/strings.h"
#include "ui/window_layout.h"

using sky::layout::At;

bool TForm1::SettingsFolded() const { return settingsFolded_; }
bool TForm1::WindFolded() const { return windFolded_; }
bool TForm1::ComputerFolded() const { return computerFolded_; }

// Each fold renames its button for a screen reader: it says what a press does next.
void TForm1::SpeedButton1Click() {
    if (settingsFolded_) {
        SpeedButton1->SetCaption("[<<]");
        Panel3->resize(At("Panel3").box.width, Panel3->height());
    } else {
        Panel3->resize(At("Panel3").folded.width, Panel3->height());
        SpeedButton1->SetCaption("[>>]");
    }
    settingsFolded_ = !settingsFolded_;
    UpdateAccessibleTexts();
    FormResize();
}

void TForm1::SpeedButton2Click() {
    if (!windFolded_) {
        SpeedButton2->SetCaption("[>>]");
        Panel1->resize(At("Panel1").folded.width, Panel1->height());
    } else {
        SpeedButton2->SetCaption("[<<]");
        Panel1->resize(At("Panel1").box.width, Panel1->height());
    }
    windFolded_ = !windFolded_;
    UpdateAccessibleTexts();
    FormResize();
}

// Anchored at its top, so folding needs no re-docking.
void TForm1::SpeedButton15Click() {
    if (!computerFolded_) {
        Panel2->resize(Panel2->width(), At("Panel2").folded.height);
        SpeedButton15->SetGlyph(imUnten->pixmap());
    } else {
        Panel2->resize(Panel2->width(), At("Panel2").box.height);
        SpeedButton15->SetGlyph(imOben->pixmap());
    }
    computerFolded_ = !computerFolded_;
    UpdateAccessibleTexts();
}

namespace {
struct Frame {
    int L, T, B, N;
};
Frame FrameOf(const QWidget& w) {
    const QMargins frame = sky::FrameMargins(w);
    return {w.geometry().x() - frame.left(), w.geometry().y() - frame.top(), (frame.left() + frame.right()) / 2,
            frame.top() + frame.bottom()};
}
}  // namespace

// Positions are on the screen: the window's outer corner, one side border
// (B) and the caption bar with both borders (N) lead to the client area.
void TForm1::ShowHelp(const sky::layout::HelpPlace& help, const QWidget* panel, const QWidget* button, int text) {
    if (!Form3) return;
    const Frame f = FrameOf(*this);
    Form3->setGeometry(f.L + f.B + panel->x(), f.T + f.N + HelpTop(help, panel->y(), panel->height(), button->y()),
                       panel->width(), help.height);
    Form3->Memo1->SetText(sky::LoadStr(S.Language + text));
    Form3->show();
    Form3->raise();
    Form3->activateWindow();
}

void TForm1::SpeedButton4Click() {
    ShowHelp(sky::layout::HelpOf("SpeedButton4"), Panel2, SpeedButton4, sky::Str::ShootingHelp);
}

void TForm1::SpeedButton12Click() {
    ShowHelp(sky::layout::HelpOf("SpeedButton12"), Panel4, SpeedButton12, sky::Str::ViewHelp);
}

void TForm1::SpeedButton14Click() {
    ShowHelp(sky::layout::HelpOf("SpeedButton14"), Panel2, SpeedButton14, sky::Str::ComputerHelp);
}

const char* TForm1::BannerAddress = "https://en.wikipedia.org/wiki/Artillery_game";

void TForm1::Image1Click() {
    if (OpenUrl) OpenUrl(QString::fromUtf8(BannerAddress));
}
