// The window's side of a shot: the Shoot button, and the procedures the shot
// worker has the window thread run while it waits.
#include <algorithm>
#include <mutex>

#include "app/form1_qt.h"
#include "app/form4_qt.h"
#include "shot/impact.h"
#include "ui/accessible_texts.h"
#include "ui/strings.h"

using namespace sky;

// The controls that could change the aim or start another shot or game, in the order they are locked.
std::vector<QWidget*> TForm1::ShotControls() const { return {SpeedButton3, im3, im2, pb, SpeedButton13, sbComp}; }

void TForm1::SpeedButton3Click() {
    // The controls come back before the winner window, while the worker still
    // waits for that hand-over: a press then (a screen reader's passes the
    // window's modality) must not wait for the worker from inside its own call.
    if (ShotThread && !ShotThread->Finished()) return;
    // A locked control gives its focus on to the next one; it gets it back when the shot is over.
    QWidget* focused = focusWidget();
    const auto locked = ShotControls();
    for (QWidget* w : locked) w->setEnabled(false);
    focusBeforeShot_ = std::find(locked.begin(), locked.end(), focused) != locked.end() ? focused : nullptr;
    focusWhileLocked_ = focusWidget();
    energyAtShot_ = S.Energy;
    {
        std::lock_guard<std::mutex> lock(S.SharedLock);
        S.ShotInFlight = 1;
    }
    ShotThread.reset();  // the last shot's worker has ended; this only collects it
    ShotHooks window;
    window.DrawFrame = [this] { DrawScene(); };
    window.PlotTrailPixel = [this] { PlotTrailPixel(); };
    window.PlayBlastSound = [this] { PlayBlastSound(); };
    window.PassTurn = [this] { PassTurn(); };
    window.FinishShot = [this] { FinishShot(); };
    ShotThread = std::make_unique<TThread1>(S, Sync, std::move(window));
    ShotThread->Start();
    if (S.SoundOn) Sound().Play(S.SoundData[1].data, S.SoundData[1].size);
}

void TForm1::PlotTrailPixel() {
    const RGB& c = PlayerColour(S.CurrentPlayer);
    imLand->Canvas().SetPixel(S.TrailPixel.x, S.TrailPixel.y, Rgb((c.r + 255) / 2, (c.g + 255) / 2, (c.b + 255) / 2));
    imLand->Changed();
}

void TForm1::PlayBlastSound() {
    if (closing_) return;
    const int k = S.Rng.Unit() < 0.5 ? 2 : 3;
    Sound().Play(S.SoundData[k].data, S.SoundData[k].size);
}

void TForm1::PassTurn() {
    if (S.SoundOn) Sound().Stop();
    DrawOverviewMap();
    S.CurrentPlayer = 3 - S.CurrentPlayer;
    RefreshAimWidgets();
    Announcer->Say(TurnText(S.Language, S, energyAtShot_));
}

void TForm1::FinishShot() {
    for (QWidget* w : ShotControls()) w->setEnabled(true);
    if (focusBeforeShot_ && focusWidget() == focusWhileLocked_)
        focusBeforeShot_->setFocus(Qt::OtherFocusReason);
    if (closing_) return;  // the program ends: no winner window, no score, no new game
    const int winner = SettleEndOfGame(S);
    if (winner == 0) return;
    const std::string text = WinnerText(S.Language, winner);
    Form4->Memo1->SetText(text);
    Form4->setAccessibleName(QString::fromStdString(text));
    Announcer->Say(text);
    Form4->exec();
    if (!closing_) NewGame();
}
