// One side of the headless pair: a table whose match a network session wraps,
// the session's transport, and the side's own computer levels. The members
// end in reverse order: the scheduled calls, then the sockets, the session
// and last the table they point into.
#pragma once

#include <QObject>
#include <cstdint>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "net/session.h"
#include "network/transport_qt.h"
#include "table.h"

namespace sky::soak {

struct Noticed {
    net::Notice notice;
    std::string detail;
    int64_t atMs;
};

class Side;

struct SideEvents {
    std::function<void(const std::string&)> fault;
    std::function<void(Side&, net::Notice, const std::string&)> notice;
    std::function<void(Side&)> localTurn;  // scheduled: the side's player may act
    std::function<void(Side&)> shotSettled;
};

class Side {
public:
    Side(std::string name, net::Role role, const std::string& code, uint32_t seed, SideEvents events);
    Side(const Side&) = delete;
    Side& operator=(const Side&) = delete;

    const std::string& Name() const { return name_; }
    Table& table() { return *table_; }
    net::Session& session() { return *session_; }
    network::Transport& transport() { return *transport_; }
    int NextLevel() { return static_cast<int>(levels_() % 3); }
    const std::vector<Noticed>& Notices() const { return notices_; }
    // The games this side's table ended, in order (taken from the table as they end).
    std::vector<GameLog>& Ended();

    bool alone = false;  // lost its peer: plays both players now

private:
    const std::string name_;
    SideEvents events_;
    std::mt19937 levels_;
    std::vector<Noticed> notices_;
    std::vector<GameLog> ended_;
    std::unique_ptr<Table> table_;
    std::unique_ptr<net::Session> session_;
    std::unique_ptr<network::Transport> transport_;
    QObject context_;  // owns the calls scheduled for this side
};

}  // namespace sky::soak
