// A network game in the window. The host listens and tells its player the
// addresses, port and join code; the joiner connects with address and code.
// A session wraps the window's steps of the match, so both games fly the same
// shots; the shot controls open only when the session lets the player here
// act, and the other player's aim moves on the widgets as they drag. When the
// other player leaves, the game goes on with both players here. Every socket
// runs on this thread's event loop.
#include <QHostAddress>
#include <QIcon>
#include <QMessageBox>
#include <QNetworkInterface>
#include <QPushButton>
#include <cstdio>

#include "app/form1_qt.h"
#include "app/network_play_qt.h"
#include "net/notices.h"
#include "net/snapshot.h"
#include "ui/play_texts.h"
#include "ui/strings.h"

using namespace sky;

namespace {

QString Fill(int language, PlayText what, const QStringList& values) {
    QString text = QString::fromStdString(PlayTextOf(language, what));
    for (int i = 0; i < values.size(); ++i) text.replace(QString("{%1}").arg(i + 1), values[i]);
    return text;
}

// Where the other player can reach this computer; the loopback only when there is nothing else.
QString OwnAddresses() {
    QStringList found, loopback;
    for (const QHostAddress& a : QNetworkInterface::allAddresses()) {
        if (a.isLinkLocal()) continue;
        (a.isLoopback() ? loopback : found) << a.toString();
    }
    return (found.isEmpty() ? loopback : found).join(", ");
}

quint16 PortOf(const PlayChoice& c) { return static_cast<quint16>(c.port < 0 ? DefaultGamePort : c.port); }

}  // namespace

void TForm1::StartNetworkGame(const PlayChoice& choice) {
    EndNetworkGame();
    play_ = choice;
    if (choice.level >= 0) radComp->SetItemIndex(choice.level);
    const bool host = choice.kind == PlayKind::Host;
    net_ = std::make_unique<NetworkPlay>();
    net_->session = std::make_unique<net::Session>(host ? net::Role::Host : net::Role::Joiner, choice.code, S, Game,
                                                   NetworkEvents());
    if (host && choice.seed) net_->session->FollowSeed(*choice.seed);
    Game.Bind(imLand->Canvas(), net_->session->Wrap(NetworkView()));
    net_->transport = std::make_unique<network::Transport>(*net_->session);
    NetworkSeats();
    UpdateTitle();
    if (!host) {
        NetworkNotice(Fill(S.Language, PlayText::Connecting, {QString::fromStdString(choice.address)}));
        net_->transport->Join(QString::fromStdString(choice.address), PortOf(choice));
        NetworkTurn();
        return;
    }
    QString error;
    if (!net_->transport->Listen(QHostAddress::Any, PortOf(choice), error)) {
        const QString text = Fill(S.Language, PlayText::CannotHost, {QString::number(PortOf(choice)), error});
        Play(PlayChoice(), true);
        NetworkNotice(text);
        return;
    }
    NetworkNotice(Fill(S.Language, PlayText::HostWaiting,
                       {OwnAddresses(), QString::number(net_->transport->Port()),
                        QString::fromStdString(net_->session->Code())}));
    Game.NewMatch();
}

// Back to a game at this computer only: the sockets close, the window's steps are its own again.
void TForm1::EndNetworkGame() {
    if (!net_) return;
    net_.reset();
    Game.Bind(imLand->Canvas(), windowView_);
}

net::SessionEvents TForm1::NetworkEvents() {
    net::SessionEvents e;
    e.Schedule = [this](int delayMs) {
        QTimer::singleShot(delayMs, &net_->context, [this] { net_->session->Pump(); });
    };
    e.Notify = [this](net::Notice n, const std::string& detail) { NetworkNotified(n, detail); };
    e.LocalTurn = [this] { NetworkTurn(); };
    e.PeerAimMoved = [this] {
        RefreshAimWidgets();
        DrawScene();
    };
    e.StateTaken = [this] {
        DrawOverviewMap();
        DrawWindArrow();
        RefreshAimWidgets();
        DrawScene();
    };
    e.StopListening = [this] { net_->transport->StopListening(); };
    return e;
}

// The window's steps, and at a game's end a line with the state both games
// must share, for a bug report or a test to compare.
MatchView TForm1::NetworkView() {
    MatchView v = windowView_;
    v.ShotSettled = [this, settled = windowView_.ShotSettled](int winner) {
        if (winner != 0)
            std::fprintf(stderr, "skyburst3d: network game %u: Player %d wins, state hash %016llx\n",
                         net_->session->GameNumber(), winner, static_cast<unsigned long long>(net::StateHash(S)));
        settled(winner);
    };
    return v;
}

void TForm1::NetworkNotified(net::Notice n, const std::string& detail) {
    // On stderr too, in English, for a bug report or a test to read.
    std::fprintf(stderr, "skyburst3d: network: %s\n", net::NoticeText(Lang::English, n, detail).c_str());
    NetworkNotice(QString::fromStdString(net::NoticeText(S.Language, n, detail)));
    if (n == net::Notice::JoinedHost) net_->joined = true;
    // Someone joined or left: the controls as the turn now is (a shot in flight sets them when it ends).
    QTimer::singleShot(0, &net_->context, [this] {
        if (!Game.ShotRunning()) NetworkTurn();
    });
    if (net_->session->GetRole() != net::Role::Joiner || net_->joined) return;
    // A joiner that never got into the host's game goes on as two players here.
    QTimer::singleShot(0, this, [this] {
        if (net_ && !net_->joined && !net_->session->HasConnection()) Play(PlayChoice(), false);
    });
}

void TForm1::NetworkNotice(const QString& text) {
    if (!netNotice_) {
        netNotice_ = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("Skyburst 3D"), text, QMessageBox::Ok, this);
        netNotice_->button(QMessageBox::Ok)->setIcon(QIcon());  // as the window's other notices
        netNotice_->setWindowModality(Qt::NonModal);
        netNotice_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }
    netNotice_->setText(text);
    netNotice_->show();
    Announcer->Say(text.toStdString());
}

// Who sits where: in the game with the other player, as chosen; else both players here.
void TForm1::NetworkSeats() {
    seats_ = net_ && net_->session->InGame() ? SeatsFor(play_.kind) : Seats{};
    if (play_.computerHere) seats_.side[LocalPlayer() - 1] = Seat::Computer;
}

// The shot controls open only when the session lets the player here act; the
// computer playing this side fires then.
void TForm1::NetworkTurn() {
    if (!net_ || closing_) return;
    NetworkSeats();
    const bool may = net_->session->MayAct();
    const Seat seat = seats_.Of(S.CurrentPlayer);
    if (may && seat == Seat::Here) {
        UnlockShotControls();
        return;
    }
    LockShotControls();
    if (may && seat == Seat::Computer) computerTurn_.start();
}

void TForm1::Shoot() {
    if (net_) net_->session->Shoot();
    else Game.Shoot();
}

void TForm1::ComputerShot(int level) {
    if (net_) net_->session->ComputerShot(level);
    else Game.ComputerShot(level);
}

void TForm1::NewMatch() {
    if (net_) net_->session->NewMatch();
    else Game.NewMatch();
}

void TForm1::AimMoved() {
    if (net_) net_->session->AimMoved(network::Transport::NowMs());
}
