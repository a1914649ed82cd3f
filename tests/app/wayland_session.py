#!/usr/bin/env python3
"""The game on Qt's native Wayland platform, as a Wayland desktop starts it:
a headless weston compositor without XWayland and without DISPLAY, once at
scale 1 with the session's own choice of platform (XDG_SESSION_TYPE) and
once at scale 2 with QT_QPA_PLATFORM=wayland. A seat module gives the
compositor a pointer and a keyboard. In the compositor's screenshots: the
panels' grey where they lie, the overview map, the Shoot caption, and after
a click on the "[i]" beside Shoot its help text in a pop-up right below that
row; then a shot fired with the keyboard (Tab to Shoot, Space) locks Shoot,
and when it is over the turn has passed to the other player.

    wayland_session.py GAME SEAT_MODULE SCREENSHOT_DIR
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts", "lib"))
from window_layout import WindowLayout  # noqa: E402

SCREEN = (1280, 1024)  # the output in logical pixels
BTN_LEFT, KEY_ESC, KEY_ENTER, KEY_TAB, KEY_SPACE = 272, 1, 28, 15, 57


class Failure(Exception):
    pass


class Session:
    """A compositor with the game in it, at one output scale."""

    def __init__(self, game, module, scale, platform_env):
        self.scale, self.table = scale, WindowLayout.of_binary(game)
        self.runtime = tempfile.mkdtemp(prefix="skyburst-wayland-")
        os.chmod(self.runtime, 0o700)
        self.fifo = os.path.join(self.runtime, "input")
        os.mkfifo(self.fifo)
        env = {k: v for k, v in os.environ.items()
               if k not in ("DISPLAY", "QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE", "QT_SCALE_FACTOR")}
        env.update({"XDG_RUNTIME_DIR": self.runtime, "SDL_AUDIODRIVER": "dummy", "SKY_WESTON_INPUT": self.fifo})
        self.log = open(os.path.join(self.runtime, "weston.log"), "w")
        self.weston = subprocess.Popen(
            ["weston", "--backend=headless-backend.so", "--socket=wl-skyburst", "--width=%d" % SCREEN[0],
             "--height=%d" % SCREEN[1], "--scale=%d" % scale, "--debug", "--use-pixman", "--idle-time=0",
             "--modules=" + module], env=env, stdout=self.log, stderr=subprocess.STDOUT)
        self.env = dict(env, WAYLAND_DISPLAY="wl-skyburst", **platform_env)
        self.input = None
        self.game = None
        deadline = time.time() + 15
        while not os.path.exists(os.path.join(self.runtime, "wl-skyburst")):
            if time.time() > deadline or self.weston.poll() is not None:
                raise Failure("weston did not start: " + open(os.path.join(self.runtime, "weston.log")).read()[-600:])
            time.sleep(0.1)
        self.input = open(self.fifo, "w")
        self.game = subprocess.Popen([game], env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def close(self):
        if self.game:
            self.game.terminate()
            try:
                self.game.wait(5)
            except subprocess.TimeoutExpired:
                self.game.kill()
        if self.input:
            self.input.close()
        self.weston.terminate()
        self.weston.wait(10)
        shutil.rmtree(self.runtime, ignore_errors=True)

    # ---- input, in logical pixels of the output ----
    def send(self, *lines):
        self.input.write("".join(line + "\n" for line in lines))
        self.input.flush()
        time.sleep(0.05)

    def click(self, x, y):
        self.send("move %d %d" % (x, y), "button %d 1" % BTN_LEFT, "button %d 0" % BTN_LEFT)

    def key(self, code):
        self.send("key %d 1" % code, "key %d 0" % code)

    # ---- what the compositor shows, in device pixels ----
    def screenshot(self, keep=None):
        if self.game.poll() is not None:
            raise Failure("the game ended with %s" % self.game.returncode)
        for name in os.listdir(self.runtime):
            if name.endswith(".png"):
                os.remove(os.path.join(self.runtime, name))
        subprocess.run(["weston-screenshooter"], env=self.env, cwd=self.runtime, timeout=20, check=True)
        png = [n for n in os.listdir(self.runtime) if n.endswith(".png")]
        if not png:
            raise Failure("the compositor wrote no screenshot")
        path = os.path.join(self.runtime, png[0])
        if keep:
            shutil.copy(path, keep)
        return Shot(path, self.scale, self.table)


class Shot:
    def __init__(self, path, scale, table):
        self.scale, self.table = scale, table
        self.width, self.height = SCREEN[0] * scale, SCREEN[1] * scale
        self.raw = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], capture_output=True, check=True,
                                  timeout=30).stdout
        if len(self.raw) != self.width * self.height * 3:
            raise Failure("a screenshot of %d bytes for a %dx%d output" % (len(self.raw), self.width, self.height))

    def at(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.raw[i:i + 3])

    def grey_run(self, y, x, length):
        """Whether exactly `length` panel-grey pixels start at x in row y."""
        grey = self.table.grey("PanelGrey")
        if x + length > self.width or any(self.at(x + i, y) != grey for i in range(length)):
            return False
        return (x == 0 or self.at(x - 1, y) != grey) and (x + length == self.width or self.at(x + length, y) != grey)


class Window:
    """The main window's client area found in a screenshot by its panels:
    the map panel at its place in the top left corner, the aiming panel
    docked to the right edge and the settings panel to the bottom one."""

    def __init__(self, shot):
        self.shot, self.table = shot, shot.table
        s, t = shot.scale, shot.table
        grey = t.grey("PanelGrey")
        left, top, width, _ = t.box("Panel1")
        self.origin = None
        for y in range(shot.height):
            row = shot.raw[y * shot.width * 3:(y + 1) * shot.width * 3]
            start = row.find(bytes(grey) * (width * s))
            if start >= 0 and start % 3 == 0 and shot.grey_run(y, start // 3, width * s):
                self.origin = (start // 3 - left * s, y - top * s)
                break
        if not self.origin:
            raise Failure("no main window with its map panel on the screen")
        ox, oy = self.origin
        _, top2, width2, _ = t.box("Panel2")
        row = oy + (top2 + 1) * s
        right = [x for x in range(ox + (left + width) * s, shot.width - width2 * s + 1)
                 if shot.grey_run(row, x, width2 * s)]
        if not right:
            raise Failure("no aiming panel right of the map panel")
        self.w = (right[0] - ox) // s + width2 + t.dock_gap
        # Down the settings panel's left edge, from below the banner to its bottom.
        bx, by, _, bh = t.box("Panel5")
        x, y = ox + (t.box("Panel3")[0] + 2) * s, oy + (by + bh + 4) * s
        while y < shot.height and shot.at(x, y) != grey:
            y += 1
        while y < shot.height and shot.at(x, y) == grey:
            y += 1
        self.h = (y - oy) // s + t.dock_gap

    def px(self, cx, cy):
        """A point of the client area, in logical pixels, as the screenshot shows it."""
        s = self.shot.scale
        return self.shot.at(self.origin[0] + cx * s, self.origin[1] + cy * s)

    def count(self, left, top, width, height, test):
        s = self.shot.scale
        return sum(1 for i in range(width * s) for j in range(height * s)
                   if test(self.shot.at(self.origin[0] + left * s + i, self.origin[1] + top * s + j)))

    def rect(self, name):
        return self.table.rect(name, self.w, self.h)

    def screen_point(self, name):
        """Where the middle of a control lies on the output, in logical pixels."""
        s = self.shot.scale
        x, y, w, h = self.rect(name)
        return self.origin[0] // s + x + w // 2, self.origin[1] // s + y + h // 2

    def layout_faults(self):
        return self.table.screen_problems(self.px, self.w, self.h)

    def shoot_caption(self):
        """'free' or 'locked' as the Shoot caption is drawn, or None."""
        dark, greyed = (self.table.grey(g) for g in ("TextDark", "DisabledText"))
        area = self.rect("SpeedButton3")
        darks = self.count(*area, lambda p: p == dark)
        greys = self.count(*area, lambda p: p == greyed)
        least = 10 * self.shot.scale ** 2
        return "free" if darks >= least and greys < least else "locked" if greys >= least and darks < least else None

    def player_colour(self):
        """'blue' or 'red': the colour of the label naming the player whose turn it is."""
        area = self.rect("laSpieler")
        blue = self.count(*area, lambda p: p[2] > 180 and p[0] < 80)
        red = self.count(*area, lambda p: p[0] > 180 and p[2] < 80)
        return "blue" if blue > 2 * red else "red" if red > 2 * blue else None

    def help_beside_shoot(self):
        """Whether the help pop-up of the "[i]" beside Shoot lies its gap below
        the top of the Shoot row (give or take the window frame's bottom
        border), as wide as the aiming panel: its white outline along its top
        edge and the dark text inside."""
        s = self.shot.scale
        helps = {h["button"]: h for h in self.table.help}
        gap, height = helps["SpeedButton4"]["gap"], helps["SpeedButton4"]["height"]
        left, _, width, _ = self.rect("Panel2")
        top = self.rect("SpeedButton4")[1] + gap
        white, dark = self.table.grey("White"), self.table.grey("TextDark")
        for y in range(top, top + 12):
            row = self.origin[1] + y * s
            whites = sum(1 for i in range(width * s) if self.shot.at(self.origin[0] + left * s + i, row) == white)
            if whites >= (width - 11) * s:
                return self.count(left + 5, y + 5, width - 31, height // 2, lambda p: p == dark) >= 60 * s
        return False


def play(session, shots, name):
    """The checks of one session; raises Failure."""
    # The one-time notice opens over the window when it is first activated:
    # while something covers the panels, Return answers it.
    deadline = time.time() + 60
    window, looked = None, False
    while window is None or window.layout_faults():
        if time.time() > deadline:
            raise Failure("; ".join(window.layout_faults()) if window else "no main window")
        if looked:
            session.key(KEY_ENTER)
        time.sleep(0.5)
        looked = True
        try:
            window = Window(session.screenshot(os.path.join(shots, name + ".png")))
        except Failure:
            window = None
            if time.time() > deadline:
                raise
    print("wayland_session: %s: panels shown, client %dx%d at %s" % (name, window.w, window.h, window.origin))

    # A notice that opened away from the panels blocks the window: until the
    # help shows, Return answers it and the click on "[i]" is made again.
    def help_shown():
        deadline = time.time() + 5
        while time.time() < deadline:
            if Window(session.screenshot(os.path.join(shots, name + "_help.png"))).help_beside_shoot():
                return True
            time.sleep(0.3)
        return False
    for _ in range(4):
        session.click(*window.screen_point("SpeedButton4"))
        if help_shown():
            break
        session.key(KEY_ENTER)
        time.sleep(0.5)
    else:
        raise Failure("no help text below the Shoot row after a click on its [i]")
    print("wayland_session: %s: the help text lies below the Shoot row" % name)

    session.key(KEY_ESC)  # closes the pop-up; the keyboard is back on the power bar
    time.sleep(0.5)
    before = Window(session.screenshot()).player_colour()
    for _ in range(3):  # power bar, direction dial, elevation dial, Shoot
        session.key(KEY_TAB)
    session.key(KEY_SPACE)
    deadline = time.time() + 10
    while Window(session.screenshot()).shoot_caption() != "locked":
        if time.time() > deadline:
            raise Failure("Tab, Tab, Tab, Space fired no shot")
        time.sleep(0.2)
    deadline = time.time() + 120
    while True:
        window = Window(session.screenshot(os.path.join(shots, name + "_turn.png")))
        if window.shoot_caption() == "free":
            break
        if time.time() > deadline:
            raise Failure("the shot did not end within 120 s (Shoot is %s)" % window.shoot_caption())
        time.sleep(1)
    after = window.player_colour()
    if before is None or after is None or before == after:
        raise Failure("the turn did not pass: the player label was %s and is %s" % (before, after))
    print("wayland_session: %s: a shot from the keyboard, the turn passed from %s to %s" % (name, before, after))


def main():
    game, module, shots = (os.path.abspath(a) for a in sys.argv[1:4])
    os.makedirs(shots, exist_ok=True)
    failures = 0
    for scale, platform_env, name in ((1, {"XDG_SESSION_TYPE": "wayland"}, "wayland_scale1"),
                                      (2, {"QT_QPA_PLATFORM": "wayland"}, "wayland_scale2")):
        session = None
        try:
            session = Session(game, module, scale, platform_env)
            play(session, shots, name)
        except (Failure, subprocess.SubprocessError) as e:
            print("wayland_session: %s: FAILED: %s" % (name, e))
            failures += 1
        finally:
            if session:
                session.close()
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
