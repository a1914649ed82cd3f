// A host's game against peers that misbehave on raw sockets: wrong codes,
// other versions, garbage, a message out of range, a peer that never reads
// and a second one while a peer is in. Each is refused or dropped with the
// right message; the host's game is untouched and its event loop never stops.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <functional>
#include <memory>
#include <random>

#include "core/canvas.h"
#include "match/match.h"
#include "net/identity.h"
#include "net/session.h"
#include "network/transport_qt.h"
#include "terrain/overview_map.h"

namespace sky::net {
namespace {

constexpr const char* Code = "K7M2QX";

bool WaitUntil(const std::function<bool()>& done, int ms) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ms) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(2);
    }
    return true;
}

// One side's game on its own: a match flown directly, its session and the real transport.
struct Side {
    explicit Side(Role role, const std::string& code = Code)
        : map(OverviewMapSize, OverviewMapSize), match(s, nullptr), session(role, code, s, match, Events()),
          transport(session) {
        s.Rng.Seed(5);
        match.Bind(map, session.Wrap({}));
        match.NewGame();
    }
    SessionEvents Events() {
        SessionEvents e;
        e.Schedule = [this](int ms) { QTimer::singleShot(ms, &transport, [this] { session.Pump(); }); };
        e.Notify = [this](Notice n, const std::string& detail) { notices.push_back({n, detail}); };
        e.StopListening = [this] { transport.StopListening(); };
        return e;
    }
    bool Noticed(Notice n, const std::string& detail = {}) const {
        for (const auto& [got, text] : notices)
            if (got == n && (detail.empty() || text == detail)) return true;
        return false;
    }
    GameState s;
    Canvas map;
    Match match;
    Session session;
    network::Transport transport;
    std::vector<std::pair<Notice, std::string>> notices;
};

std::unique_ptr<Side> ListeningHost() {
    auto host = std::make_unique<Side>(Role::Host);
    QString error;
    EXPECT_TRUE(host->transport.Listen(QHostAddress::LocalHost, 0, error)) << error.toStdString();
    return host;
}

// A peer written by hand: what it sends is raw bytes, what it gets is read as messages.
struct RawPeer {
    explicit RawPeer(quint16 port) {
        socket.connectToHost(QHostAddress::LocalHost, port);
        WaitUntil([this] { return socket.state() != QAbstractSocket::ConnectingState; }, 3000);
    }
    void Send(const std::vector<uint8_t>& bytes) {
        socket.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
        socket.flush();
    }
    bool Closed() const { return socket.state() == QAbstractSocket::UnconnectedState; }
    std::vector<Message> Got() {
        const QByteArray bytes = socket.readAll();
        std::size_t at = 0;
        while (at < static_cast<std::size_t>(bytes.size())) {
            std::size_t used = 0;
            const auto status = reader.Read(reinterpret_cast<const uint8_t*>(bytes.data()) + at, bytes.size() - at, used);
            at += used;
            Message m;
            std::string problem;
            if (status == FrameReader::Status::Frame && Decode(reader.Current(), m, problem)) got.push_back(m);
            if (status == FrameReader::Status::Error) break;
        }
        return got;
    }
    template <typename T>
    bool Has(const std::function<bool(const T&)>& is = [](const T&) { return true; }) {
        for (const Message& m : Got())
            if (const T* t = std::get_if<T>(&m); t && is(*t)) return true;
        return false;
    }
    QTcpSocket socket;
    FrameReader reader;
    std::vector<Message> got;
};

Hello JoinerHello(const std::string& code = Code) {
    return Hello{ProtocolVersion, RulesHash(), Role::Joiner, code, GameVersion()};
}
bool Said(const Goodbye& g, Farewell f) { return g.reason == f; }

TEST(BadPeers, FiveWrongCodesAndTheHostStopsListening) {
    auto host = ListeningHost();
    const quint16 port = host->transport.Port();
    const uint64_t game = StateHash(host->s);
    for (int i = 0; i < Session::WrongCodesAllowed; ++i) {
        RawPeer peer(port);
        peer.Send(Encode(JoinerHello("AAAAAA")));
        ASSERT_TRUE(WaitUntil([&] { return peer.Closed(); }, 3000)) << "attempt " << i + 1;
        EXPECT_TRUE(peer.Has<Hello>());
        EXPECT_TRUE(peer.Has<Goodbye>([](const Goodbye& g) { return Said(g, Farewell::WrongCode); }));
    }
    EXPECT_EQ(std::count_if(host->notices.begin(), host->notices.end(),
                            [](const auto& n) { return n.first == Notice::WrongCodeTried; }),
              Session::WrongCodesAllowed);
    EXPECT_TRUE(host->Noticed(Notice::StoppedListening));
    EXPECT_FALSE(host->transport.Listening());
    RawPeer sixth(port);
    EXPECT_TRUE(WaitUntil([&] { return sixth.Closed(); }, 3000));
    EXPECT_EQ(sixth.socket.error(), QAbstractSocket::ConnectionRefusedError);
    EXPECT_EQ(StateHash(host->s), game);
    EXPECT_TRUE(host->session.MayAct());
}

TEST(BadPeers, OtherVersionsGarbageAndMessagesOutOfRangeEndTheConnection) {
    auto host = ListeningHost();
    const quint16 port = host->transport.Port();
    const uint64_t before = StateHash(host->s);
    const auto refused = [&](const std::vector<uint8_t>& bytes, Notice n, const std::string& detail) {
        RawPeer peer(port);
        peer.Send(bytes);
        EXPECT_TRUE(WaitUntil([&] { return peer.Closed(); }, 3000)) << detail;
        EXPECT_TRUE(host->Noticed(n, detail)) << detail;
        EXPECT_EQ(StateHash(host->s), before) << detail;
        return peer.Got();
    };
    Hello older = JoinerHello();
    older.version = "0.9";
    refused(Encode(older), Notice::OtherVersion, "0.9");
    Hello newer = JoinerHello();
    newer.protocol = ProtocolVersion + 1;
    std::vector<uint8_t> frame = Encode(newer);
    frame[2] = ProtocolVersion + 1;
    refused(frame, Notice::OtherProtocol, std::to_string(ProtocolVersion + 1));

    std::vector<uint8_t> garbage(64 * 1024);
    std::mt19937 random(3);
    for (uint8_t& b : garbage) b = static_cast<uint8_t>(random());
    garbage[0] = 'G';
    const auto answer = refused(garbage, Notice::Malformed, "not a frame of this game");
    ASSERT_FALSE(answer.empty());
    EXPECT_TRUE(std::holds_alternative<Goodbye>(answer.back()));

    // A peer in the game, then out of range: the game it was given stays as it was.
    for (const bool hugeState : {false, true}) {
        RawPeer peer(port);
        peer.Send(Encode(JoinerHello()));
        ASSERT_TRUE(WaitUntil([&] { return peer.Has<StateMsg>(); }, 5000));
        const uint64_t given = StateHash(host->s);
        std::vector<uint8_t> bad = Encode(ShotMsg{1, 2, {0, -0.2, 40}, 0, -1});
        if (hugeState) bad = {'S', 'K', ProtocolVersion, static_cast<uint8_t>(Type::State), 0xFF, 0xFF, 0xFF, 0xFF};
        else std::fill(bad.begin() + 13, bad.begin() + 21, 0xFF);  // the elevation: a NaN
        peer.Send(bad);
        ASSERT_TRUE(WaitUntil([&] { return peer.Closed(); }, 3000));
        EXPECT_TRUE(peer.Has<Goodbye>([](const Goodbye& g) { return Said(g, Farewell::Malformed); }));
        EXPECT_EQ(StateHash(host->s), given);
        EXPECT_TRUE(host->session.MayAct());
    }
    EXPECT_TRUE(host->transport.Listening());

    // The joiner's side: a host of another version.
    QTcpServer fake;
    ASSERT_TRUE(fake.listen(QHostAddress::LocalHost, 0));
    QObject::connect(&fake, &QTcpServer::newConnection, [&] {
        QTcpSocket* s = fake.nextPendingConnection();
        const std::vector<uint8_t> hello = Encode(Hello{ProtocolVersion, RulesHash(), Role::Host, "", "2.0"});
        s->write(reinterpret_cast<const char*>(hello.data()), static_cast<qint64>(hello.size()));
    });
    Side joiner(Role::Joiner);
    joiner.transport.Join("127.0.0.1", fake.serverPort());
    EXPECT_TRUE(WaitUntil([&] { return joiner.Noticed(Notice::OtherVersion, "2.0"); }, 3000));
}

TEST(BadPeers, APeerThatNeverReadsIsDroppedAndASecondOneRefused) {
    auto host = ListeningHost();
    RawPeer lazy(host->transport.Port());
    lazy.Send(Encode(JoinerHello()));
    QTimer beat;  // it answers every second, but never owns to having read anything
    QObject::connect(&beat, &QTimer::timeout, [&] { lazy.Send(Encode(Heartbeat{0})); });
    beat.start(1000);
    ASSERT_TRUE(WaitUntil([&] { return host->Noticed(Notice::PeerJoined); }, 3000));

    RawPeer second(host->transport.Port());
    EXPECT_TRUE(WaitUntil([&] { return second.Closed(); }, 3000));
    EXPECT_TRUE(second.Has<Goodbye>([](const Goodbye& g) { return Said(g, Farewell::Busy); }));

    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(WaitUntil([&] { return host->Noticed(Notice::StoppedReading); }, Session::SilenceMs + 3000));
    EXPECT_GE(clock.elapsed(), Session::SilenceMs - 1000);
    EXPECT_TRUE(WaitUntil([&] { return lazy.Closed(); }, 3000));
    EXPECT_FALSE(host->session.HasConnection());
    EXPECT_TRUE(host->session.MayAct());  // the game goes on with both players here
}

}  // namespace
}  // namespace sky::net
