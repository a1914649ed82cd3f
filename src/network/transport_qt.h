// The sockets of one side of a network game (Qt Network): a host's listening
// server with its one peer, or a joiner's connection. Everything runs on the
// owning thread's event loop and never blocks: bytes are handed to the
// session as they arrive, what it sends is queued, and a queue the other side
// does not drain ends the connection. A timer gives the session the time.
#pragma once

#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <memory>

#include "net/session.h"

class QTcpServer;
class QTcpSocket;

namespace sky::network {

class Transport : public QObject {
    Q_OBJECT
public:
    // Bytes the system has not yet taken from this side before the other side
    // counts as not reading: far above a whole game's state.
    static constexpr qint64 SendQueueCap = 1 << 20;
    static constexpr int TickMs = 50;
    static constexpr int ConnectTimeoutMs = 10000;

    explicit Transport(net::Session& session, QObject* parent = nullptr);
    ~Transport() override;

    // Host: listens on address and port (0: any free port); false with the reason.
    bool Listen(const QHostAddress& address, quint16 port, QString& error);
    quint16 Port() const;
    bool Listening() const;
    void StopListening();
    // Joiner: connects; the session hears of the connection or of why there is none.
    void Join(const QString& host, quint16 port);
    // A goodbye to the other side, then the connection ends (the server stays).
    void Leave();

    static int64_t NowMs();

private:
    class SocketLink;

    void Attach(QTcpSocket* socket);
    void Refuse(QTcpSocket* socket);
    void ReadAll();
    void Lost(bool stoppedReading);
    void LostLater(QTcpSocket* socket, bool stoppedReading);
    void Release(QTcpSocket* socket);  // closes gently, aborts if it takes too long, then frees

    net::Session& session_;
    QTcpServer* server_ = nullptr;
    QTcpSocket* peer_ = nullptr;
    QTcpSocket* joining_ = nullptr;
    std::unique_ptr<SocketLink> link_;
    QTimer tick_;
    QTimer connectTimeout_;
    bool sending_ = false;  // inside a session's Send: the socket's end waits for the event loop
};

}  // namespace sky::network
