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
    const auto str = [this](int k) { return LoadStr(S.Language + k); };
    SpeedButton3->SetCaption(str(0));
    radFarben->SetCaption(str(3));
    radFarben->SetItems(str(4));
    radSize->SetCaption(str(5));
    radiogr->SetCaption(str(6));
    radiogr->SetItems(str(7));
    radSprache->SetCaption(str(8));
    Label1->setVisible(S.Language == 3000);
    SpeedButton13->SetCaption(str(11));
    radSound->SetCaption(str(15));
    radSound->SetItems(str(16));
    sbComp->SetCaption(str(17));
    radComp->SetCaption(str(18));
    radComp->SetItems(str(19));
    UpdateAccessibleTexts();
}

void TForm1::UpdateStatusLabels() {
    const StatusLabels labels = ComputeStatusLabels(S);
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
    S.Language = radSprache->ItemIndex() * 1000 + 1000;
    ApplyLanguage();
    UpdateStatusLabels();
    UpdateTitle();
}

void TForm1::radSoundClick() {
    S.SoundOn = radSound->ItemIndex() == 0;
    if (!S.SoundOn) Sound().Stop();
}
