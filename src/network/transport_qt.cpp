#include "network/transport_qt.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <chrono>

namespace sky::network {

// What the session sends, into the peer's socket.
class Transport::SocketLink : public net::Link {
public:
    SocketLink(Transport& owner, QTcpSocket* socket) : owner_(owner), socket_(socket) {}
    void Send(std::vector<uint8_t> frame) override {
        if (!socket_) return;
        // Out to the system now, without waiting: a shot's frames would otherwise
        // go first. A write that fails here signals the end at once, which
        // the owner tells the session later (sending_).
        owner_.sending_ = true;
        socket_->write(reinterpret_cast<const char*>(frame.data()), static_cast<qint64>(frame.size()));
        socket_->flush();
        owner_.sending_ = false;
        if (socket_->bytesToWrite() > SendQueueCap && !overflowing_) {
            overflowing_ = true;
            owner_.LostLater(socket_, true);
        }
    }
    void Close() override {
        QTcpSocket* s = socket_;
        socket_ = nullptr;
        owner_.peer_ = nullptr;
        if (s) owner_.Release(s);
    }

private:
    Transport& owner_;
    QTcpSocket* socket_;
    bool overflowing_ = false;
};

Transport::Transport(net::Session& session, QObject* parent) : QObject(parent), session_(session) {
    tick_.setInterval(TickMs);
    connect(&tick_, &QTimer::timeout, this, [this] { session_.Tick(NowMs()); });
    tick_.start();
    connectTimeout_.setSingleShot(true);
    connect(&connectTimeout_, &QTimer::timeout, this, [this] {
        if (!joining_) return;
        QTcpSocket* s = std::exchange(joining_, nullptr);
        s->abort();
        s->deleteLater();
        session_.ConnectFailed("no answer");
    });
}

Transport::~Transport() {
    session_.Forget();
    if (peer_) peer_->abort();
}

int64_t Transport::NowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

bool Transport::Listen(const QHostAddress& address, quint16 port, QString& error) {
    if (!server_) {
        server_ = new QTcpServer(this);
        connect(server_, &QTcpServer::newConnection, this, [this] {
            while (server_ && server_->hasPendingConnections()) {
                QTcpSocket* s = server_->nextPendingConnection();
                if (!peer_ && session_.CanTakePeer()) Attach(s);
                else Refuse(s);
            }
        });
    }
    if (server_->listen(address, port)) return true;
    error = server_->errorString();
    return false;
}

quint16 Transport::Port() const { return server_ ? server_->serverPort() : 0; }
bool Transport::Listening() const { return server_ && server_->isListening(); }

void Transport::StopListening() {
    if (server_) server_->close();
}

void Transport::Join(const QString& host, quint16 port) {
    auto* s = new QTcpSocket(this);
    joining_ = s;
    connect(s, &QTcpSocket::connected, this, [this, s] {
        if (joining_ != s) return;
        joining_ = nullptr;
        connectTimeout_.stop();
        Attach(s);
    });
    connect(s, &QTcpSocket::errorOccurred, this, [this, s, host](QAbstractSocket::SocketError) {
        if (joining_ != s) return;
        joining_ = nullptr;
        connectTimeout_.stop();
        const QString why = s->errorString();
        s->deleteLater();
        session_.ConnectFailed((host + ": " + why).toStdString());
    });
    connectTimeout_.start(ConnectTimeoutMs);
    s->connectToHost(host, port);
}

void Transport::Attach(QTcpSocket* socket) {
    peer_ = socket;
    socket->setParent(this);
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    // Qt reads from the system only this far ahead of the session.
    socket->setReadBufferSize(256 * 1024);
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
        if (peer_ == socket) ReadAll();
    });
    connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
        if (peer_ != socket) return;
        if (sending_) return LostLater(socket, false);
        ReadAll();  // what came before the end still counts
        if (peer_ == socket) Lost(false);
    });
    connect(socket, &QTcpSocket::errorOccurred, this, [this, socket](QAbstractSocket::SocketError e) {
        if (peer_ != socket || e == QAbstractSocket::RemoteHostClosedError) return;
        if (sending_) return LostLater(socket, false);
        Lost(false);
    });
    link_ = std::make_unique<SocketLink>(*this, socket);
    session_.Connected(*link_, NowMs());
    ReadAll();
}

void Transport::ReadAll() {
    char buffer[64 * 1024];
    while (peer_ && peer_->bytesAvailable() > 0) {
        const qint64 n = peer_->read(buffer, sizeof buffer);
        if (n <= 0) break;
        session_.Received(reinterpret_cast<const uint8_t*>(buffer), static_cast<std::size_t>(n), NowMs());
    }
}

// The connection broke, or the other side stopped reading: the session ends it.
void Transport::Lost(bool stoppedReading) {
    QTcpSocket* s = peer_;
    session_.Disconnected(NowMs(), stoppedReading);
    if (peer_ == s && s) {  // the session had already let go
        peer_ = nullptr;
        Release(s);
    }
}

// Never from inside the session's own call: the end is told from the event loop.
void Transport::LostLater(QTcpSocket* socket, bool stoppedReading) {
    QTimer::singleShot(0, this, [this, socket, stoppedReading] {
        if (peer_ == socket) Lost(stoppedReading);
    });
}

void Transport::Refuse(QTcpSocket* socket) {
    socket->setParent(this);
    const std::vector<uint8_t> busy = net::Session::BusyFrame();
    socket->write(reinterpret_cast<const char*>(busy.data()), static_cast<qint64>(busy.size()));
    Release(socket);
}

void Transport::Release(QTcpSocket* socket) {
    disconnect(socket, nullptr, this, nullptr);
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    QTimer::singleShot(2000, socket, [socket] {
        socket->abort();
        socket->deleteLater();
    });
    socket->disconnectFromHost();
}

void Transport::Leave() { session_.Leave(); }

}  // namespace sky::network
