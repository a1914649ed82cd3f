#include "proxy.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <algorithm>
#include <chrono>

namespace sky::soak {
namespace {
int64_t NowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
}  // namespace

// One direction of one connection.
struct Proxy::Pipe {
    QTcpSocket* from;
    QTcpSocket* to;
    std::deque<std::pair<int64_t, char>> due;  // each byte with the time it may leave
    int64_t last = 0;
    bool ended = false;  // `from` is closed: close `to` once everything is out
    QTimer timer;
};

Proxy::Proxy(quint16 target, uint32_t seed, int maxDelayMs)
    : server_(new QTcpServer(this)), target_(target), maxDelayMs_(maxDelayMs), random_(seed) {
    server_->listen(QHostAddress::LocalHost, 0);
    connect(server_, &QTcpServer::newConnection, this, [this] { Accept(); });
}

Proxy::~Proxy() = default;

quint16 Proxy::Port() const { return server_->serverPort(); }

void Proxy::GoSilent() {
    silent_ = true;
    for (auto& p : pipes_) p->due.clear();
}

void Proxy::Accept() {
    while (server_->hasPendingConnections()) {
        QTcpSocket* client = server_->nextPendingConnection();
        auto* upstream = new QTcpSocket(this);
        client->setParent(this);
        for (QTcpSocket* s : {client, upstream}) s->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        upstream->connectToHost(QHostAddress::LocalHost, target_);
        for (auto [from, to] : {std::pair{client, upstream}, std::pair{upstream, client}}) {
            auto pipe = std::make_unique<Pipe>();
            Pipe* p = pipe.get();
            p->from = from;
            p->to = to;
            p->timer.setSingleShot(true);
            connect(&p->timer, &QTimer::timeout, this, [this, p] { Push(*p); });
            connect(from, &QTcpSocket::readyRead, this, [this, p] { Pull(*p); });
            connect(from, &QTcpSocket::disconnected, this, [this, p] {
                Pull(*p);
                p->ended = true;
                Push(*p);
            });
            connect(to, &QTcpSocket::connected, this, [this, p] { Push(*p); });
            pipes_.push_back(std::move(pipe));
        }
    }
}

void Proxy::Pull(Pipe& p) {
    const QByteArray bytes = p.from->readAll();
    if (silent_) return;
    std::uniform_int_distribution<int> delay(0, maxDelayMs_);
    const int64_t now = NowMs();
    for (const char c : bytes) {
        p.last = std::max(p.last, now + delay(random_));
        p.due.emplace_back(p.last, c);
    }
    Push(p);
}

// Every byte that is due leaves as a write of its own.
void Proxy::Push(Pipe& p) {
    if (p.to->state() != QAbstractSocket::ConnectedState) {
        if (p.ended && p.to->state() == QAbstractSocket::UnconnectedState) p.due.clear();
        return;
    }
    const int64_t now = NowMs();
    while (!p.due.empty() && p.due.front().first <= now) {
        p.to->write(&p.due.front().second, 1);
        p.to->flush();
        p.due.pop_front();
        ++forwarded_;
    }
    if (!p.due.empty()) p.timer.start(static_cast<int>(p.due.front().first - now));
    else if (p.ended && !silent_) p.to->disconnectFromHost();
}

}  // namespace sky::soak
