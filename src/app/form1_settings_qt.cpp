// The settings panel: look, detail, colour scheme, language and sound; and
// the captions and status labels the language decides.
#include <mutex>

#include "app/form1_qt.h"
#include "terrain/colours.h"
#include "terrain/overview_map.h"
#include "ui/status_labels.h"
#include "ui/strings.h"
#include "view/renderer.h"

using namespace sky;

void TForm1::BuildColourTable() {
    {
        std::lock_guard<std::mutex> lock(S.SharedLock);
        sky::BuildColourTable(S, radFarben->ItemIndex(), imFarben->Canvas());
    }
    imFarben->Changed();
}

void TForm1::DrawOverviewMap() {
    {
        std::lock_guard<std::mutex> lock(S.SharedLock);
        sky::DrawOverviewMap(S, imLand->Canvas());
    }
    imLand->Changed();
}

void TForm1::radFarbenClick() {
    const int index = radFarben->ItemIndex();
    if (index >= 1 && index <= 5) S.BaseColour = SchemeBaseColour(index);
    BuildColourTable();
    DrawScene();
    DrawOverviewMap();
}

void TForm1::radSizeClick() {
    const int index = radSize->ItemIndex();
    if (index >= 0 && index < static_cast<int>(DetailSteps.size()))
        S.DetailStep = DetailSteps[static_cast<std::size_t>(index)];
    DrawScene();
}

void TForm1::radiogrClick() { DrawScene(); }

void TForm1::ApplyLanguage() {
    ShowCaptions();
    UpdateAccessibleTexts();
}

// The one place the language's texts are put on the controls.
void TForm1::ShowCaptions() {
    const auto str = [this](int k) { return LoadStr(S.Language + k); };
    SpeedButton3->SetCaption(str(Str::Shoot));
    radFarben->SetCaption(str(Str::ColoursCaption));
    radFarben->SetItems(str(Str::ColoursItems));
    radSize->SetCaption(str(Str::DetailsCaption));
    radiogr->SetCaption(str(Str::LookCaption));
    radiogr->SetItems(str(Str::LookItems));
    radSprache->SetCaption(str(Str::LanguageCaption));
    Label1->setVisible(S.Language == Lang::Portuguese);
    SpeedButton13->SetCaption(str(Str::NewGame));
    radSound->SetCaption(str(Str::SoundCaption));
    radSound->SetItems(str(Str::SoundItems));
    sbComp->SetCaption(str(Str::Computer));
    radComp->SetCaption(str(Str::SkillCaption));
    radComp->SetItems(str(Str::SkillItems));
}

void TForm1::UpdateStatusLabels() {
    StatusLabels labels;
    {
        std::lock_guard<std::mutex> lock(S.SharedLock);  // the energies change in a shot
        labels = ComputeStatusLabels(S);
    }
    const auto apply = [](TLabel* label, const StatusLabel& l) {
        label->SetCaption(l.text);
        label->SetFontColour(QColor(l.colour.r & 255, l.colour.g & 255, l.colour.b & 255));
    };
    apply(laSpieler, labels.laSpieler);
    apply(laEnergie1, labels.laEnergie1);
    apply(laEnergie2, labels.laEnergie2);
    apply(laPunkte1, labels.laPunkte1);
    apply(laPunkte2, labels.laPunkte2);
}

void TForm1::radSpracheClick() {
    S.Language = LanguageOfItem(radSprache->ItemIndex());
    ApplyLanguage();
    UpdateStatusLabels();
    UpdateTitle();
}

void TForm1::radSoundClick() {
    const bool on = radSound->ItemIndex() == 0;
    {
        std::lock_guard<std::mutex> lock(S.SharedLock);  // a shot reads it at the impact
        S.SoundOn = on;
    }
    if (!on) Sound().Stop();
}
