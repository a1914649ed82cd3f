// A hostile but honest wire between the two sides of the headless pair: it
// forwards every byte in order, but as a write of its own, each after a
// random delay of 0 to the maximum (and never before the byte ahead of it),
// so that messages arrive in pieces and late. It can also go silent (a cable
// pulled: nothing more passes, nothing is closed).
#pragma once

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <deque>
#include <memory>
#include <random>
#include <vector>

class QTcpServer;
class QTcpSocket;

namespace sky::soak {

class Proxy : public QObject {
public:
    // Listens on 127.0.0.1 (any free port) and connects each client to 127.0.0.1:target.
    Proxy(quint16 target, uint32_t seed, int maxDelayMs);
    ~Proxy() override;
    quint16 Port() const;
    void GoSilent();
    int64_t BytesForwarded() const { return forwarded_; }

private:
    struct Pipe;
    void Accept();
    void Pull(Pipe& p);
    void Push(Pipe& p);

    QTcpServer* server_;
    const quint16 target_;
    const int maxDelayMs_;
    std::mt19937 random_;
    std::vector<std::unique_ptr<Pipe>> pipes_;
    bool silent_ = false;
    int64_t forwarded_ = 0;
};

}  // namespace sky::soak
