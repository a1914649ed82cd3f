#include "pair_side.h"

#include <QTimer>

namespace sky::soak {

Side::Side(std::string name, net::Role role, const std::string& code, uint32_t seed, SideEvents events)
    : name_(std::move(name)), events_(std::move(events)), levels_(seed) {
    net::SessionEvents e;
    e.Schedule = [this](int delayMs) { QTimer::singleShot(delayMs, &context_, [this] { session_->Pump(); }); };
    e.Notify = [this](net::Notice n, const std::string& detail) {
        notices_.push_back({n, detail, network::Transport::NowMs()});
        if (events_.notice) events_.notice(*this, n, detail);
    };
    e.LocalTurn = [this] { QTimer::singleShot(0, &context_, [this] { events_.localTurn(*this); }); };
    e.StateTaken = [this] { table_->TookState(); };
    e.StopListening = [this] { transport_->StopListening(); };
    const auto fault = [this](const std::string& f) { events_.fault(name_ + ", " + f); };
    table_ = std::make_unique<Table>(false, fault, [&](MatchView view, GameState& s, Match& match) {
        session_ = std::make_unique<net::Session>(role, code, s, match, e);
        return session_->Wrap(std::move(view));
    });
    table_->press = [this](int level) { session_->ComputerShot(level); };
    table_->onShotSettled = [this] { events_.shotSettled(*this); };
    table_->onGameStarting = [this](GameLog& log) {
        log.networkGame = session_->InGame() ? session_->GameNumber() : 0;
    };
    transport_ = std::make_unique<network::Transport>(*session_);
}

std::vector<GameLog>& Side::Ended() {
    for (GameLog& g : table_->TakeEnded()) ended_.push_back(std::move(g));
    return ended_;
}

}  // namespace sky::soak
