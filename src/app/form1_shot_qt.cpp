// The window's side of a turn: the Shoot button, and what the window shows
// and plays at each step of a shot and a game. The steps themselves, their
// order and the rules between them are the match's (src/match).
#include <algorithm>

#include "app/form1_qt.h"
#include "app/form4_qt.h"
#include "shot/impact.h"
#include "ui/accessible_texts.h"
#include "ui/strings.h"

using namespace sky;

// The controls that could change the aim or start another shot or game, in the order they are locked.
std::vector<QWidget*> TForm1::ShotControls() const { return {SpeedButton3, im3, im2, pb, SpeedButton13, sbComp}; }

void TForm1::ConnectMatch() {
    MatchView view;
    view.GameStarted = [this] { ShowNewGame(); };
    view.AimChosen = [this](const SearchResult&) {
        Aiming().ShowStoredAim();
        pb->Changed();
        im2->Changed();
        im3->Changed();
        DrawScene();
    };
    view.ShotStarting = [this] { LockShotControls(); };
    view.ShotLaunched = [this] {
        if (S.SoundOn) Sound().Play(S.SoundData[1].data, S.SoundData[1].size);
    };
    view.DrawFrame = [this] { DrawScene(); };
    view.PlotTrailPixel = [this] { PlotTrailPixel(); };
    view.PlayBlastSound = [this] { PlayBlastSound(); };
    view.TurnEnding = [this] { EndTurn(); };
    view.TurnPassed = [this] { ShowTurn(); };
    view.ControlsBack = [this] { UnlockShotControls(); };
    view.ShotSettled = [this](int winner) {
        if (winner != 0) ShowWinner(winner);
    };
    view.TurnBegins = [this] { TurnBegins(); };
    view.Closing = [this] { return closing_; };
    windowView_ = view;
    Game.Bind(imLand->Canvas(), std::move(view));
}

void TForm1::SpeedButton3Click() { Shoot(); }

// A locked control gives its focus on to the next one; it gets it back when the shot is over.
void TForm1::LockShotControls() {
    energyAtShot_ = S.Energy;
    if (shotControlsLocked_) return;  // already locked for the computer's turn
    shotControlsLocked_ = true;
    QWidget* focused = focusWidget();
    const auto locked = ShotControls();
    for (QWidget* w : locked) w->setEnabled(false);
    focusBeforeShot_ = std::find(locked.begin(), locked.end(), focused) != locked.end() ? focused : nullptr;
    focusWhileLocked_ = focusWidget();
}

void TForm1::PlotTrailPixel() {
    const RGB& c = PlayerColour(S.CurrentPlayer);
    imLand->Canvas().SetPixel(S.TrailPixel.x, S.TrailPixel.y, Rgb((c.r + 255) / 2, (c.g + 255) / 2, (c.b + 255) / 2));
    imLand->Changed();
}

void TForm1::PlayBlastSound() {
    if (closing_) return;
    const int k = DrawBlastSound(S.Rng);
    Sound().Play(S.SoundData[k].data, S.SoundData[k].size);
}

// The map shows the new crater and loses the trail's dots.
void TForm1::EndTurn() {
    if (S.SoundOn) Sound().Stop();
    DrawOverviewMap();
}

void TForm1::ShowTurn() {
    RefreshAimWidgets();
    Announcer->Say(TurnText(S.Language, S, energyAtShot_) + TurnOwner());
}

void TForm1::UnlockShotControls() {
    shotControlsLocked_ = false;
    for (QWidget* w : ShotControls()) w->setEnabled(true);
    if (focusBeforeShot_ && focusWidget() == focusWhileLocked_)
        focusBeforeShot_->setFocus(Qt::OtherFocusReason);
}

// Modal: the worker waits in its last call until the window closes.
void TForm1::ShowWinner(int winner) {
    const std::string text = WinnerText(S.Language, winner);
    Form4->Memo1->SetText(text);
    Form4->setAccessibleName(QString::fromStdString(text));
    Announcer->Say(text);
    WinnerShown();
    Form4->exec();
}
