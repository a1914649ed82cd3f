"""Drives a running Skyburst 3D from outside, as a player on an X11 desktop
would: finds its window, clicks its controls with xdotool, ends it the ways
a desktop ends programs, and reads what it left behind (exit status, stderr,
the sound written by SDL's disk driver). Where the controls lie comes from
the build's layout table (window_layout.py). Used by scripts/ends and
scripts/monkey; needs a display with a window manager (scripts/with-display).
"""
import os
import re
import signal
import struct
import subprocess
import tempfile
import time

from window_layout import WindowLayout

TITLE = "Skyburst 3D"
SANITIZER_MARKS = ("ERROR: AddressSanitizer", "ERROR: LeakSanitizer", "runtime error:",
                   "WARNING: ThreadSanitizer", "malloc(): ", "free(): ", "double free",
                   "corrupted size", "munmap_chunk", "Segmentation fault")

def xdotool(*args, check=False, timeout=10):
    result = subprocess.run(["xdotool", *map(str, args)], capture_output=True, text=True, timeout=timeout)
    if check and result.returncode != 0:
        raise RuntimeError("xdotool %s: %s" % (" ".join(map(str, args)), result.stderr.strip()))
    return result.stdout.strip()


def is_managed(wid):
    """Whether the window manager manages the window (a top-level window, not a native child)."""
    out = subprocess.run(["xprop", "-id", str(wid), "WM_STATE"], capture_output=True, text=True, timeout=10).stdout
    return "window state" in out


def screen_size():
    out = subprocess.run(["xwininfo", "-root"], capture_output=True, text=True, timeout=10).stdout
    return int(re.search(r"Width:\s+(\d+)", out).group(1)), int(re.search(r"Height:\s+(\d+)", out).group(1))


def grab(x, y, width, height):
    """The screen's pixels in a rectangle, as RGB bytes, row by row."""
    return subprocess.run(["import", "-window", "root", "-crop", "%dx%d+%d+%d" % (width, height, x, y),
                           "-depth", "8", "rgb:-"], capture_output=True, timeout=10).stdout


class Game:
    """One run of the game binary with its sound going to a file."""

    def __init__(self, binary, extra_env=None, table=None):
        self.workdir = tempfile.mkdtemp(prefix="skyburst-run-")
        self.audio = os.path.join(self.workdir, "audio.raw")
        self.log_path = os.path.join(self.workdir, "stderr.log")
        env = dict(os.environ)
        env.update({"SDL_AUDIODRIVER": "disk", "SDL_DISKAUDIOFILE": self.audio})
        env.update(extra_env or {})
        self.log = open(self.log_path, "wb")
        self.table = table or WindowLayout.of_binary(binary)
        self.proc = subprocess.Popen([binary], env=env, stdout=self.log, stderr=subprocess.STDOUT)
        self.wid = None
        self._pid_of = {}

    # ---- the window ----
    def wait_window(self, timeout=20):
        deadline = time.time() + timeout
        while time.time() < deadline:
            if self.proc.poll() is not None:
                raise RuntimeError("the game ended at start-up with %s" % self.proc.returncode)
            ids = xdotool("search", "--all", "--onlyvisible", "--pid", self.proc.pid, "--name", "^%s$" % TITLE).split()
            # The panels are native windows with the same name: the main
            # window is the one the window manager manages.
            managed = [i for i in ids if is_managed(i)]
            if managed:
                self.wid = managed[0]
                return self.wid
            time.sleep(0.1)
        raise RuntimeError("no window within %d s" % timeout)

    def window_by_title(self, title):
        ids = xdotool("search", "--all", "--onlyvisible", "--pid", self.proc.pid, "--name", "^%s$" % title).split()
        return ids[0] if ids else None

    def dismiss_notice(self, timeout=10):
        """The one-time notice of the first activation, answered with Return."""
        deadline = time.time() + timeout
        seen = False
        while time.time() < deadline:
            notice = self.window_by_title("Hinweis")
            if notice:
                seen = True
                if xdotool("getactivewindow") == notice:
                    xdotool("key", "Return")
                else:
                    xdotool("windowactivate", notice)
            elif seen:
                return True
            time.sleep(0.15)
        return False

    def geometry(self):
        """The client area on the screen: x, y, width, height."""
        out = subprocess.run(["xwininfo", "-id", self.wid], capture_output=True, text=True, timeout=10).stdout
        value = lambda key: int(re.search(key + r":\s+(-?\d+)", out).group(1))
        return (value("Absolute upper-left X"), value("Absolute upper-left Y"), value("Width"), value("Height"))

    def click(self, control, x, y, button=1):
        """A click at x, y inside a control of the main window."""
        gx, gy, w, h = self.geometry()
        cx, cy, _, _ = self.table.rect(control, w, h)
        xdotool("mousemove", gx + cx + x, gy + cy + y, "click", button)

    def layout(self):
        """One look at the main window: its client area on the screen
        (x, y, width, height), whether it is shown, and the sizes of its
        native panels, (width, height) each."""
        out = subprocess.run(["xwininfo", "-children", "-stats", "-id", self.wid], capture_output=True, text=True,
                             timeout=10).stdout
        value = lambda key: int(re.search(key + r":\s+(-?\d+)", out).group(1))
        area = (value("Absolute upper-left X"), value("Absolute upper-left Y"), value("Width"), value("Height"))
        panels = [(int(w), int(h)) for w, h in re.findall(r"^\s+0x[0-9a-f]+ .*\)\s+(\d+)x(\d+)[+-]", out, re.M)]
        return area, "IsViewable" in out, panels

    def windows(self):
        """The program's windows that the window manager lists besides the
        main one (the notice, a help pop-up, the winner window): (id, width, height)."""
        out = subprocess.run(["xprop", "-root", "_NET_CLIENT_LIST"], capture_output=True, text=True, timeout=10).stdout
        found = []
        for wid in re.findall(r"0x[0-9a-f]+", out):
            wid = str(int(wid, 16))
            if wid == self.wid:
                continue
            if wid not in self._pid_of:
                pid = subprocess.run(["xprop", "-id", wid, "_NET_WM_PID"], capture_output=True, text=True,
                                     timeout=10).stdout
                self._pid_of[wid] = int(pid.split("=")[1]) if "=" in pid else None
            if self._pid_of[wid] != self.proc.pid:
                continue
            info = subprocess.run(["xwininfo", "-id", wid], capture_output=True, text=True, timeout=10).stdout
            size = re.search(r"Width:\s+(\d+).*?Height:\s+(\d+)", info, re.S)
            if size and "IsViewable" in info:
                found.append((wid, int(size.group(1)), int(size.group(2))))
        return found

    def winner_window(self):
        """The winner window (borderless, of its own size) when it is shown."""
        for wid, w, h in self.windows():
            if (w, h) == self.table.winner_size:
                return wid
        return None

    def answer_winner(self, wid, timeout=5):
        """Clicks the winner window's OK button until the window goes away;
        whether it did. One click may not be enough: a click while a context
        menu is open (a right click on the window's text opens one) only
        closes the menu, as on any desktop. (Return answers it too, when it has
        the keyboard focus.)"""
        deadline = time.time() + timeout
        while time.time() < deadline:
            if self.winner_window() != wid:
                return True
            out = subprocess.run(["xwininfo", "-id", wid], capture_output=True, text=True, timeout=10).stdout
            corner = re.search(r"Absolute upper-left X:\s+(-?\d+).*?Absolute upper-left Y:\s+(-?\d+)", out, re.S)
            if corner:
                ok_x, ok_y = self.table.winner_middle("SpeedButton1")
                xdotool("mousemove", int(corner.group(1)) + ok_x, int(corner.group(2)) + ok_y, "click", 1)
            time.sleep(0.4)
        return self.winner_window() != wid

    def answers(self, timeout=5):
        """Whether the program still serves its X connection: its window's
        name can be read and a round trip to it completes."""
        try:
            return xdotool("getwindowname", self.wid, timeout=timeout) == TITLE
        except subprocess.TimeoutExpired:
            return False

    # ---- aiming and shooting with real clicks ----
    def aim_self_shot(self):
        """Elevation straight up, power at the bottom of the bar: the missile
        rises a little and comes down near its own shooter."""
        self.click("im2", 1, 1)     # the quarter dial's top-left
        self.click("im3", 12, 185)  # the power bar's lowest row

    def shoot(self):
        _, _, w, h = self.table.box("SpeedButton3")
        self.click("SpeedButton3", w // 2, h // 2)

    # ---- ending it ----
    def prepare_end(self, how):
        if how == "close":
            xdotool("windowactivate", "--sync", self.wid, timeout=5)

    def end(self, how):
        if how == "close":        # the window manager's close (openbox: Alt+F4 on the active window)
            xdotool("key", "alt+F4")
        elif how == "destroy":    # the window destroyed from outside
            xdotool("windowclose", self.wid)
        elif how == "term":
            self.proc.send_signal(signal.SIGTERM)
        elif how == "int":
            self.proc.send_signal(signal.SIGINT)
        else:
            raise ValueError(how)

    def wait_exit(self, timeout):
        try:
            return self.proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            return None

    def kill(self):
        if self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait()

    def stderr_text(self):
        self.log.flush()
        with open(self.log_path, "rb") as f:
            return f.read().decode("utf-8", "replace")

    def sanitizer_report(self):
        text = self.stderr_text()
        for mark in SANITIZER_MARKS:
            if mark in text:
                start = text.index(mark)
                return text[max(0, start - 200):start + 1500]
        return None

    def audio_bytes(self):
        return os.path.getsize(self.audio) if os.path.exists(self.audio) else 0

    def sound_after(self, offset):
        """Seconds of sound the device was given after byte offset (SDL's disk
        driver writes signed 16-bit stereo at 22050 Hz, in real time), and
        whether the file still grows now."""
        size = self.audio_bytes()
        time.sleep(0.2)
        growing = self.audio_bytes() != size
        if not os.path.exists(self.audio):
            return 0.0, growing
        with open(self.audio, "rb") as f:
            f.seek(offset - offset % 4)
            data = f.read()
        samples = struct.unpack("<%dh" % (len(data) // 2), data[:len(data) // 2 * 2])
        loud = sum(1 for i in range(0, len(samples) - 1, 2) if abs(samples[i]) > 64 or abs(samples[i + 1]) > 64)
        return loud / 22050.0, growing

    def stderr_tail(self, lines=30):
        return "\n".join(self.stderr_text().splitlines()[-lines:])

    def dump_threads(self):
        """Every thread's backtrace, taken with gdb from the running process."""
        try:
            result = subprocess.run(["gdb", "-p", str(self.proc.pid), "-batch", "-ex", "thread apply all bt"],
                                    capture_output=True, text=True, timeout=120)
        except (OSError, subprocess.TimeoutExpired) as e:
            return "no backtrace: %s" % e
        return result.stdout + result.stderr

    def sound_heard(self):
        if not os.path.exists(self.audio):
            return False
        with open(self.audio, "rb") as f:
            data = f.read()
        samples = struct.unpack("<%dh" % (len(data) // 2), data[:len(data) // 2 * 2])
        return any(abs(s) > 1000 for s in samples)
