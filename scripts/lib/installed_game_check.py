#!/usr/bin/env python3
"""Starts the installed game as a user's desktop starts it, from its menu
entry's Exec with /usr/games not on PATH, and checks what shows: the
panels' grey, the overview map, the Shoot caption, the captions' own font
(Liberation Sans, not a wider fallback), and an end by SIGTERM with exit
status 0. Used by scripts/fresh-root --deb inside the fresh root, run as an
ordinary user; it starts its own display and window manager (Xvfb :1 and
openbox) and stops them at the end.

    installed_game_check.py DESKTOP_ENTRY LAYOUT_JSON SCREENSHOT

LAYOUT_JSON is the window_layout.json of the build the package was made from.
"""
import contextlib
import os
import shlex
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from game_driver import Game, grab  # noqa: E402
from window_layout import WindowLayout  # noqa: E402

CAPTION_FONT = "LiberationSans-Bold.ttf"


def wait_for(predicate, timeout):
    deadline = time.time() + timeout
    while time.time() < deadline:
        if predicate():
            return True
        time.sleep(0.1)
    return False


@contextlib.contextmanager
def display_with_window_manager():
    logs = tempfile.mkdtemp(prefix="display-")
    started = []

    def start(name, command):
        log = open(os.path.join(logs, name + ".log"), "w")
        started.append(subprocess.Popen(command, stdout=log, stderr=subprocess.STDOUT))

    def fail(what):
        text = "".join(open(os.path.join(logs, n)).read() for n in sorted(os.listdir(logs)))
        raise RuntimeError("%s within 30 s:\n%s" % (what, text))

    try:
        start("xvfb", ["Xvfb", ":1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-ac"])
        if not wait_for(lambda: os.path.exists("/tmp/.X11-unix/X1"), 30):
            fail("no display from Xvfb")
        os.environ["DISPLAY"] = ":1"
        start("openbox", ["openbox"])
        # "window id #" once openbox names its check window; before that xprop
        # says "no such atom on any window".
        if not wait_for(lambda: "window id #" in subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"],
                                                            capture_output=True, text=True).stdout, 30):
            fail("no window manager (openbox)")
        yield
    finally:
        for p in reversed(started):
            p.terminate()
            p.wait()


def menu_command(entry):
    with open(entry) as f:
        line = next(line for line in f if line.startswith("Exec="))
    return [arg for arg in shlex.split(line[len("Exec="):].strip()) if not arg.startswith("%")]


def screen_problems(game):
    """What the screen does not show of the main window."""
    gx, gy, w, h = game.geometry()
    data = grab(gx, gy, w, h)
    return game.table.screen_problems(lambda x, y: tuple(data[(y * w + x) * 3:(y * w + x) * 3 + 3]), w, h)


def font_problem(pid):
    with open("/proc/%d/maps" % pid) as f:
        fonts = sorted({line.split()[-1] for line in f if line.rstrip().endswith((".ttf", ".otf"))})
    if not any(os.path.basename(path) == CAPTION_FONT for path in fonts):
        return "the captions are not drawn in %s; the game uses %s" % (CAPTION_FONT, ", ".join(fonts) or "no font file")
    return None


def main():
    entry, layout, screenshot = sys.argv[1:4]
    command = menu_command(entry)
    if len(command) != 1 or not os.path.isabs(command[0]):
        sys.exit("installed_game_check: the menu entry runs %s, not the program by its full path" % command)
    if shutil.which(os.path.basename(command[0])):
        sys.exit("installed_game_check: %s is on PATH here, so the check proves nothing" % command[0])
    try:
        with display_with_window_manager():
            problems = check_game(command[0], WindowLayout(layout), screenshot)
    except RuntimeError as e:
        problems = [str(e)]
    for p in problems:
        print("installed_game_check: " + p)
    if problems:
        sys.exit(1)
    print("installed_game_check: started from the menu entry, screenshot ok, captions in %s, SIGTERM: exit 0" %
          CAPTION_FONT)


def check_game(program, table, screenshot):
    game = Game(program, table=table)
    try:
        game.wait_window(timeout=60)
        game.dismiss_notice()
        time.sleep(1)
        subprocess.run(["import", "-window", "root", screenshot], check=True, timeout=60)
        problems = screen_problems(game) + [p for p in [font_problem(game.proc.pid)] if p]
        game.end("term")
        rc = game.wait_exit(5)
        if rc != 0:
            problems.append("SIGTERM ended it with %s" % ("no exit within 5 s" if rc is None else "status %s" % rc))
    except RuntimeError as e:
        subprocess.run(["import", "-window", "root", screenshot], timeout=60)
        problems = [str(e) + ":\n" + game.stderr_tail()]
    finally:
        game.kill()
    return problems


if __name__ == "__main__":
    main()
