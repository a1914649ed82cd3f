// The ways to play: who sits at each side (two players here, the computer as
// Player 2, the computer on both sides, a network game), the computer taking
// its own turns, the window's title, and the New game dialog (Ctrl+N).
#include <QApplication>
#include <QShortcut>

#include "app/form1_qt.h"
#include "app/form4_qt.h"
#include "app/new_game_dialog_qt.h"
#include "app/network_play_qt.h"
#include "ui/play_texts.h"

using namespace sky;

namespace {
constexpr int ComputerPauseMs = 1000;  // so the turn change is seen before the computer fires
constexpr int DemoWinnerMs = 4000;     // a demo's winner window closes itself
}  // namespace

void TForm1::ConnectPlay() {
    computerTurn_.setSingleShot(true);
    computerTurn_.setInterval(ComputerPauseMs);
    QObject::connect(&computerTurn_, &QTimer::timeout, this, [this] { ComputerTurn(); });
    winnerClose_.setSingleShot(true);
    winnerClose_.setInterval(DemoWinnerMs);
    QObject::connect(&winnerClose_, &QTimer::timeout, this, [this] {
        if (Form4 && Form4->isVisible()) Form4->accept();
    });
    auto* newGame = new QShortcut(QKeySequence::New, this);
    QObject::connect(newGame, &QShortcut::activated, this, [this] { ShowNewGameDialog(); });
}

void TForm1::Play(const PlayChoice& choice, bool newMatch) {
    computerTurn_.stop();
    pendingChoice_.reset();
    if (choice.ask) {  // a join without its address or code: the dialog asks, once the window is up
        QTimer::singleShot(0, this, [this, choice] { ShowNewGameDialog(choice); });
        return;
    }
    if (choice.kind == PlayKind::Host || choice.kind == PlayKind::Join) {
        StartNetworkGame(choice);
        return;
    }
    EndNetworkGame();
    play_ = choice;
    seats_ = SeatsFor(choice.kind);
    if (choice.level >= 0) radComp->SetItemIndex(choice.level);
    UpdateTitle();
    if (!Game.ShotRunning()) UnlockShotControls();
    if (newMatch)
        Game.NewMatch();
    else
        TurnBegins();
}

// The match's word that the current player may act. A choice made during a
// shot starts once it is over, after the worker has returned.
void TForm1::TurnBegins() {
    if (closing_) return;
    if (pendingChoice_) {
        QTimer::singleShot(0, this, [this] {
            if (!pendingChoice_ || closing_) return;
            const PlayChoice choice = *pendingChoice_;
            Play(choice, true);
        });
        return;
    }
    if (net_) {
        NetworkTurn();
        return;
    }
    switch (seats_.Of(S.CurrentPlayer)) {
        case Seat::Here: break;
        case Seat::Computer:
            LockShotControls();
            computerTurn_.start();
            break;
        case Seat::Remote: LockShotControls(); break;
    }
}

// The computer presses "[Computer]" for its side, at the panel's level.
void TForm1::ComputerTurn() {
    if (closing_ || Game.ShotRunning() || seats_.Of(S.CurrentPlayer) != Seat::Computer) return;
    // Not behind a window that waits for the player (the notice, the New game dialog):
    // the shot would be over before they could see it.
    if (QApplication::activeModalWidget()) {
        computerTurn_.start();
        return;
    }
    sbCompClick();
}

void TForm1::UpdateTitle() { setWindowTitle(QString::fromStdString(TitleText(S.Language, play_.kind, LocalPlayer()))); }

int TForm1::LocalPlayer() const { return play_.kind == PlayKind::Host ? 1 : 2; }

// After whose turn it is: whether that is the player here, in every kind of game but the default.
std::string TForm1::TurnOwner() const {
    if (play_.kind == PlayKind::HotSeat) return {};
    return " " + TurnOwnerText(S.Language, seats_.Of(S.CurrentPlayer));
}

void TForm1::ShowNewGameDialog() { ShowNewGameDialog(play_); }

void TForm1::ShowNewGameDialog(const PlayChoice& shown) {
    if (closing_) return;
    NewGameDialog dialog(this, S.Language, shown);
    if (dialog.exec() != QDialog::Accepted || closing_) return;
    if (Game.ShotRunning()) {
        pendingChoice_ = dialog.Choice();
        return;
    }
    Play(dialog.Choice(), true);
}

void TForm1::WinnerShown() {
    if (play_.kind == PlayKind::Demo) winnerClose_.start();
}
