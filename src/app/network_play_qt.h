// What the main window holds while a network game is on: the session that
// keeps both games in step, its sockets, and the message box that tells the
// player how to join, who joined and who left. The members end in reverse
// order: the calls scheduled for the session, then the sockets, the session.
#pragma once

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <memory>

#include "net/session.h"
#include "network/transport_qt.h"

struct NetworkPlay {
    std::unique_ptr<sky::net::Session> session;
    std::unique_ptr<sky::network::Transport> transport;
    QObject context;  // owns the calls scheduled for the session
    QPointer<QMessageBox> notice;
    bool joined = false;  // a joiner that once took the host's game
};
