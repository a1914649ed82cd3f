// What a screen reader says: the names and descriptions of the controls in
// the current language, the aiming images as a slider, a dial and a slider
// with their values, and the announcer of the turns and the winner.
#include "app/form1_qt.h"
#include "ui/accessible_texts.h"
#include "ui/play_texts.h"
#include "ui/strings.h"

using namespace sky;

namespace {

// Only a real change is told, so a screen reader does not repeat the focused control's name.
void Say(QWidget* w, const std::string& name, const std::string& description = {}) {
    const QString n = QString::fromStdString(name), d = QString::fromStdString(description);
    if (w->accessibleName() != n) w->setAccessibleName(n);
    if (w->accessibleDescription() != d) w->setAccessibleDescription(d);
}

}  // namespace

const Aim& TForm1::ShownAim() const { return S.PlayerAim[S.CurrentPlayer == 2 ? 2 : 1]; }

void TForm1::ConnectAccess() {
    InstallAccessibleControls();
    Announcer = new LiveAnnouncer(this);
    const auto spoken = [this](Spoken what) { return [this, what] { return SpokenText(S.Language, what); }; };

    im3->Access = {QAccessible::Slider, [this] { return PowerText(S.Language, ShownAim().power); },
                   spoken(Spoken::PowerKeys), true, [this] { return ShownPower(ShownAim().power); }, 0, 100,
                   100.0 / PowerBarRows, [this](double v) { aim_->SetPower(StoredPower(v)); }};
    pb->Access = {QAccessible::Dial, [this] { return DirectionText(S.Language, ShownAim().azimuth); },
                  spoken(Spoken::DirectionKeys), true, [this] { return DirectionDegrees(ShownAim().azimuth); }, 0,
                  360, 1, [this](double v) { aim_->SetAzimuth(AzimuthOf(v)); }};
    im2->Access = {QAccessible::Slider, [this] { return ElevationText(S.Language, ShownAim().elevation); },
                   spoken(Spoken::ElevationKeys), true, [this] { return ElevationDegrees(ShownAim().elevation); }, 0,
                   90, 1, [this](double v) { aim_->SetElevation(ElevationOf(v)); }};
    imLand->Access.name = spoken(Spoken::Map);
    imLand->Access.description = [this] { return MapText(S.Language, S); };
    imPfeil->Access.name = spoken(Spoken::Wind);
    imPfeil->Access.description = [this] { return WindText(S.Language, S.WindDirection); };
    imFarben->Access.name = spoken(Spoken::ColourScale);
}

void TForm1::UpdateAccessibleTexts() {
    const int l = S.Language;
    const auto text = [l](Spoken what) { return SpokenText(l, what); };
    Say(SpeedButton3, CaptionName(LoadStr(l + Str::Shoot)));
    Say(sbComp, CaptionName(LoadStr(l + Str::Computer)), LoadStr(l + Str::ComputerHelp));
    Say(SpeedButton13, CaptionName(LoadStr(l + Str::NewGame)));
    SpeedButton13->setToolTip(QString::fromStdString(PlayTextOf(l, PlayText::NewGameTip)));
    Say(SpeedButton4, text(Spoken::HelpShooting), LoadStr(l + Str::ShootingHelp));
    Say(SpeedButton12, text(Spoken::HelpView), LoadStr(l + Str::ViewHelp));
    Say(SpeedButton14, text(Spoken::HelpComputer), LoadStr(l + Str::ComputerHelp));
    Say(SpeedButton1, text(SettingsFolded() ? Spoken::ShowSettings : Spoken::HideSettings));
    Say(SpeedButton2, text(WindFolded() ? Spoken::ShowWind : Spoken::HideWind));
    Say(SpeedButton15, text(ComputerFolded() ? Spoken::ShowComputer : Spoken::HideComputer));

    // The camera buttons name their key in the view, also in their tool tips.
    const std::pair<TFlatButton*, std::pair<Spoken, Spoken>> camera[] = {
        {SpeedButton7, {Spoken::TurnUp, Spoken::KeyUp}},       {SpeedButton8, {Spoken::TurnDown, Spoken::KeyDown}},
        {SpeedButton9, {Spoken::TurnLeft, Spoken::KeyLeft}},   {SpeedButton10, {Spoken::TurnRight, Spoken::KeyRight}},
        {SpeedButton5, {Spoken::ZoomIn, Spoken::KeyPlus}},     {SpeedButton6, {Spoken::ZoomOut, Spoken::KeyMinus}},
        {SpeedButton11, {Spoken::ResetView, Spoken::KeyHome}},
    };
    for (const auto& [button, words] : camera) {
        Say(button, text(words.first), text(words.second));
        button->setToolTip(QString::fromStdString(text(words.first) + "\n" + text(words.second)));
    }
    Say(DeviceContext, text(Spoken::View), text(Spoken::ViewKeys));

    Say(radComp, CaptionName(LoadStr(l + Str::SkillCaption)));
    Say(radSprache, text(Spoken::Language));
    Say(radiogr, CaptionName(LoadStr(l + Str::LookCaption)));
    Say(radSize, CaptionName(LoadStr(l + Str::DetailsCaption)));
    Say(radFarben, CaptionName(LoadStr(l + Str::ColoursCaption)));
    Say(radSound, CaptionName(LoadStr(l + Str::SoundCaption)));
    Say(Panel1, text(Spoken::MapPanel));
    Say(Panel2, text(Spoken::AimingPanel));
    Say(Panel3, text(Spoken::SettingsPanel));
    Say(Panel4, text(Spoken::ViewPanel));
    Say(Image1, text(Spoken::Banner));
    for (TImage* image : {im3, pb, im2, imLand, imPfeil, imFarben}) image->TextsChanged();
}
