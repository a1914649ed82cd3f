#!/usr/bin/env python3
"""The game asked to end while it starts: SIGTERM, SIGINT or SIGHUP sent as
soon as it has connected to the display (its main has begun, the window is
far from ready), and at moments during the rest of the start, before the
window shows. Each time the game must finish starting, close as after a
close of its window and exit with status 0 within 10 s. (A signal sent while
the system still loads the program's libraries, before its main, ends it by
the signal's default action; no program can hold that one.)

    start_signals.py GAME        (on a display with a window manager)
"""
import os
import shutil
import signal
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts", "lib"))
from game_driver import Game  # noqa: E402

LIMIT = 10.0
RUNS = [(signal.SIGTERM, "connected"), (signal.SIGINT, "connected"), (signal.SIGHUP, "connected"),
        (signal.SIGTERM, 0.3), (signal.SIGINT, 0.6), (signal.SIGTERM, 0.9)]


def connected(pid):
    """Whether the process has a socket open: the display's, the first it opens."""
    try:
        fds = os.listdir("/proc/%d/fd" % pid)
    except OSError:
        return False
    for fd in fds:
        try:
            if os.readlink("/proc/%d/fd/%s" % (pid, fd)).startswith("socket:"):
                return True
        except OSError:
            pass
    return False


def start_time(binary):
    """Seconds from the start to the window shown, as this machine takes them now."""
    game = Game(binary)
    try:
        started = time.time()
        game.wait_window()
        return time.time() - started
    finally:
        game.kill()
        shutil.rmtree(game.workdir, ignore_errors=True)


def one_run(binary, sig, moment, window_after):
    game = Game(binary)
    try:
        started = time.time()
        if moment == "connected":
            while not connected(game.proc.pid):
                if game.proc.poll() is not None or time.time() - started > LIMIT:
                    return "no connection to the display within %.0f s of the start" % LIMIT
                time.sleep(0.0005)
        else:
            time.sleep(moment * window_after)
        sent = time.time()
        game.proc.send_signal(sig)
        rc = game.wait_exit(LIMIT)
        if rc is None:
            return "still running %.0f s after %s, sent %.2f s after the start" % (LIMIT, sig.name, sent - started)
        if rc != 0:
            return "exit status %s after %s, sent %.2f s after the start (output kept in %s)" % (
                rc, sig.name, sent - started, game.workdir)
        shutil.rmtree(game.workdir, ignore_errors=True)
        return None
    finally:
        game.kill()


def main():
    binary = sys.argv[1]
    window_after = start_time(binary)
    failures = 0
    for sig, moment in RUNS:
        problem = one_run(binary, sig, moment, window_after)
        when = "on connecting" if moment == "connected" else "at %.0f%% of the start" % (moment * 100)
        print("start_signals: %s %s: %s" % (sig.name, when, problem or "exit 0"), flush=True)
        failures += problem is not None
    print("start_signals: %d ends during the start (%.2f s to the window), %d failed" % (
        len(RUNS), window_after, failures))
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
