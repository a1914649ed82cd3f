#include "net/session.h"

#include <stdexcept>

#include "net/identity.h"
#include "net/join_code.h"

namespace sky::net {

Session::Session(Role role, std::string code, GameState& s, Match& match, SessionEvents events)
    : role_(role), code_(std::move(code)), s_(s), match_(match), events_(std::move(events)) {
    if (role_ == Role::Host && code_.empty()) code_ = DrawJoinCode();
    if (!NormaliseJoinCode(code_)) throw std::invalid_argument("not a join code: " + code_);
}

std::vector<uint8_t> Session::BusyFrame() { return Encode(Goodbye{Farewell::Busy}); }

void Session::Notify(Notice n, const std::string& detail) {
    if (events_.Notify) events_.Notify(n, detail);
}

void Session::Send(const Message& m) {
    if (!link_) return;
    std::vector<uint8_t> frame = Encode(m);
    const auto bytes = static_cast<int64_t>(frame.size());
    if (std::holds_alternative<AimMsg>(m)) stats_.previewBytes += bytes;
    else if (std::holds_alternative<Heartbeat>(m)) stats_.heartbeatBytes += bytes;
    else if (std::holds_alternative<Hello>(m) || std::holds_alternative<StateMsg>(m) || std::holds_alternative<Goodbye>(m))
        stats_.otherBytes += bytes;
    else stats_.turnBytes += bytes;
    ++framesSent_;
    if (unreadSince_ < 0) unreadSince_ = now_;
    link_->Send(std::move(frame));
}

void Session::Connected(Link& link, int64_t nowMs) {
    now_ = nowMs;
    link_ = &link;
    phase_ = Phase::Greeting;
    reader_ = FrameReader();
    lastReceived_ = lastHeartbeat_ = nowMs;
    framesSent_ = framesRead_ = peerRead_ = 0;
    unreadSince_ = -1;
    Hello hello;
    hello.rules = RulesHash();
    hello.role = role_;
    if (role_ == Role::Joiner) hello.code = code_;
    hello.version = GameVersion();
    Send(hello);
}

void Session::ConnectFailed(const std::string& detail) { Notify(Notice::CannotConnect, detail); }

void Session::Received(const uint8_t* data, std::size_t n, int64_t nowMs) {
    now_ = nowMs;
    if (!link_) return;
    lastReceived_ = nowMs;
    while (link_) {
        std::size_t used = 0;
        const FrameReader::Status status = reader_.Read(data, n, used);
        data += used;
        n -= used;
        if (status == FrameReader::Status::Error) return Fail(Notice::Malformed, reader_.Problem(), Farewell::Malformed);
        if (status == FrameReader::Status::NeedMore) return;
        ++framesRead_;
        Message m;
        std::string problem;
        if (!Decode(reader_.Current(), m, problem)) return Fail(Notice::Malformed, problem, Farewell::Malformed);
        Handle(m);
    }
}

void Session::Handle(const Message& m) {
    const bool greeted = phase_ != Phase::Greeting;
    if (const auto* hello = std::get_if<Hello>(&m)) {
        if (greeted) return Fail(Notice::Malformed, "a second hello", Farewell::Malformed);
        return OnHello(*hello);
    }
    if (const auto* bye = std::get_if<Goodbye>(&m)) return OnGoodbye(bye->reason);
    if (const auto* beat = std::get_if<Heartbeat>(&m)) return OnHeartbeat(*beat);
    if (!greeted) return Fail(Notice::Malformed, "a message before the hello", Farewell::Malformed);
    const bool joiner = role_ == Role::Joiner;
    if (const auto* state = std::get_if<StateMsg>(&m)) {
        if (!joiner) return Fail(Notice::Malformed, "a state from the joiner", Farewell::Malformed);
        pendingState_ = *state;
    } else if (const auto* seed = std::get_if<SeedMsg>(&m)) {
        if (!joiner || seeds_.size() >= 4) return Fail(Notice::Malformed, "a seed out of turn", Farewell::Malformed);
        seeds_[seed->game] = seed->seed;
    } else if (const auto* hash = std::get_if<HashMsg>(&m)) {
        peerHashes_[hash->seq] = hash->hash;
        if (peerHashes_.size() > 8) peerHashes_.erase(peerHashes_.begin());
        TryAgree(hash->seq);
    } else if (const auto* shot = std::get_if<ShotMsg>(&m)) {
        return OnInput(*shot, shot->seq, shot->player);
    } else if (const auto* press = std::get_if<NewGameMsg>(&m)) {
        return OnInput(*press, press->seq, press->player);
    } else if (const auto* aim = std::get_if<AimMsg>(&m)) {
        // Only the aim of the turn on show, while nothing else is pending; a late one is dropped.
        if (phase_ != Phase::Playing || match_.Busy() || !inbox_.empty() || aim->seq != seq_ ||
            aim->player != s_.CurrentPlayer || aim->player == LocalPlayer())
            return;
        s_.PlayerAim[aim->player] = aim->aim;
        if (events_.PeerAimMoved) events_.PeerAimMoved();
        return;
    }
    if (events_.Schedule) events_.Schedule(0);
}

void Session::OnHello(const Hello& m) {
    if (m.protocol != ProtocolVersion) return Lose(Notice::OtherProtocol, std::to_string(m.protocol));
    if (m.version != GameVersion()) return Lose(Notice::OtherVersion, m.version);
    if (m.rules != RulesHash()) return Lose(Notice::OtherRules, m.version);
    if (m.role == role_) return Fail(Notice::Malformed, "a hello from another host or joiner", Farewell::Malformed);
    if (role_ == Role::Joiner) {
        phase_ = Phase::AwaitingState;
        return;
    }
    if (m.code != code_) {
        ++wrongCodes_;
        Fail(Notice::WrongCodeTried, {}, Farewell::WrongCode);
        if (wrongCodes_ >= WrongCodesAllowed) {
            Notify(Notice::StoppedListening);
            if (events_.StopListening) events_.StopListening();
        }
        return;
    }
    phase_ = Phase::Welcoming;
    Notify(Notice::PeerJoined);
    if (events_.Schedule) events_.Schedule(0);
}

void Session::OnGoodbye(Farewell reason) {
    switch (reason) {
        case Farewell::Left: return Lose(Notice::PeerLeft, {});
        case Farewell::WrongCode: return Lose(Notice::CodeRefused, {});
        case Farewell::Busy: return Lose(Notice::HostBusy, {});
        case Farewell::Malformed: return Lose(Notice::Malformed, "the other game could not read this one");
        case Farewell::StoppedReading: return Lose(Notice::StoppedReading, {});
        case Farewell::CannotAgree: return Lose(Notice::CannotAgree, {});
    }
}

// An input of the other player: queued in turn order, applied when this side is idle at its turn.
void Session::OnInput(const Input& in, uint32_t seq, int32_t player) {
    const uint32_t after = inbox_.empty() ? seq_ : inbox_.back().first + 1;
    if (phase_ != Phase::Playing || player == LocalPlayer() || seq < after || seq > seq_ + 2 || inbox_.size() >= 3)
        return Fail(Notice::Malformed, "an input out of turn", Farewell::Malformed);
    inbox_.emplace_back(seq, in);
    ++stats_.inputs;
    if (events_.Schedule) events_.Schedule(0);
}

void Session::OnHeartbeat(const Heartbeat& m) {
    if (m.received > framesSent_ || m.received < peerRead_)
        return Fail(Notice::Malformed, "a heartbeat out of count", Farewell::Malformed);
    if (m.received > peerRead_) unreadSince_ = m.received == framesSent_ ? -1 : now_;
    peerRead_ = m.received;
}

void Session::Tick(int64_t nowMs) {
    now_ = nowMs;
    if (!link_) return;
    if (nowMs - lastReceived_ >= SilenceMs) return Lose(Notice::PeerLeft, {});
    // The other side still talks but reads nothing of this side's: not a cable
    // pulled (then it falls silent too, and has left), a game that stopped reading.
    if (unreadSince_ >= 0 && nowMs - unreadSince_ >= SilenceMs && nowMs - lastReceived_ < 2 * HeartbeatMs)
        return Fail(Notice::StoppedReading, {}, Farewell::StoppedReading);
    if (nowMs - lastHeartbeat_ >= HeartbeatMs) {
        lastHeartbeat_ = nowMs;
        Send(Heartbeat{framesRead_});
    }
    if (previewPending_ && nowMs - lastPreview_ >= PreviewMs) SendPreview();
}

void Session::Disconnected(int64_t nowMs, bool stoppedReading) {
    now_ = nowMs;
    if (!link_) return;
    if (stoppedReading) return Fail(Notice::StoppedReading, {}, Farewell::StoppedReading);
    if (phase_ != Phase::Greeting) return Lose(Notice::PeerLeft, {});
    if (role_ == Role::Joiner) return Lose(Notice::CannotConnect, "the connection closed");
    Lose(Notice::PeerLeft, {});
}

void Session::Leave() {
    if (!link_) return;
    Send(Goodbye{Farewell::Left});
    link_->Close();
    Drop();
}

void Session::Forget() {
    link_ = nullptr;
    phase_ = Phase::Alone;
}

void Session::Fail(Notice n, std::string detail, Farewell reason) {
    if (!link_) return;
    Send(Goodbye{reason});
    Lose(n, std::move(detail));
}

void Session::Lose(Notice n, std::string detail) {
    if (!link_) return;
    const bool quiet = phase_ == Phase::Greeting && role_ == Role::Host && n == Notice::PeerLeft;
    link_->Close();
    Drop();
    if (!quiet) Notify(n, detail);
}

// Back to a game with both players here; the host keeps its seeds for a joiner who comes back.
void Session::Drop() {
    link_ = nullptr;
    phase_ = Phase::Alone;
    reader_ = FrameReader();
    inbox_.clear();
    pendingState_.reset();
    peerHashes_.clear();
    awaitingRepair_ = false;
    agreed_ = announced_ = -1;
    previewPending_ = false;
    unreadSince_ = -1;
    if (role_ == Role::Joiner) seeds_.clear();
    if (events_.Schedule) events_.Schedule(0);
}

}  // namespace sky::net
