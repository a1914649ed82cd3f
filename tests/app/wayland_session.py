#!/usr/bin/env python3
"""The game started in a Wayland session, as a desktop starts it: a headless
weston compositor with XWayland, WAYLAND_DISPLAY and XDG_SESSION_TYPE set and
no platform chosen by the user. The compositor's own screenshot must show
the panels over the 3D view: their grey where they lie, the overview map and
the Shoot button's caption.

    wayland_session.py GAME SCREENSHOT_DIR
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts", "lib"))
from window_layout import WindowLayout  # noqa: E402


def wait_for(predicate, timeout, what):
    deadline = time.time() + timeout
    while time.time() < deadline:
        value = predicate()
        if value:
            return value
        time.sleep(0.1)
    sys.exit("wayland_session: no %s within %d s" % (what, timeout))


def main():
    game, shots = sys.argv[1], sys.argv[2]
    table = WindowLayout.of_binary(game)
    runtime = tempfile.mkdtemp(prefix="skyburst-wayland-")
    os.chmod(runtime, 0o700)
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "QT_QPA_PLATFORM", "WAYLAND_DISPLAY")}
    env.update({"XDG_RUNTIME_DIR": runtime, "SDL_AUDIODRIVER": "dummy"})
    log_path = os.path.join(runtime, "weston.log")
    weston = subprocess.Popen(["weston", "--backend=headless-backend.so", "--socket=wl-skyburst", "--width=1280",
                               "--height=1024", "--debug", "--use-pixman", "--xwayland", "--idle-time=0"],
                              env=env, stdout=open(log_path, "w"), stderr=subprocess.STDOUT)
    game_proc = None
    try:
        def xwayland_display():
            with open(log_path) as f:
                m = re.search(r"xserver listening on display (:\d+)", f.read())
            return m.group(1) if m else None
        display = wait_for(xwayland_display, 15, "XWayland from weston")
        env.update({"WAYLAND_DISPLAY": "wl-skyburst", "XDG_SESSION_TYPE": "wayland", "DISPLAY": display})
        game_proc = subprocess.Popen([game], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

        def x(*args):
            return subprocess.run(list(args), env=env, capture_output=True, text=True, timeout=10).stdout.strip()
        wid = wait_for(lambda: x("xdotool", "search", "--onlyvisible", "--name", "^Skyburst 3D$").split()[:1],
                       20, "main window on XWayland (did the game start on the Wayland platform?)")[0]
        # The one-time notice, if the compositor activates the window, lies
        # over its middle: it is answered first.
        for _ in range(25):
            notice = x("xdotool", "search", "--onlyvisible", "--name", "^Hinweis$")
            if notice and x("xdotool", "getactivewindow") == notice:
                x("xdotool", "key", "Return")
            time.sleep(0.2)
        info = x("xwininfo", "-id", wid)
        val = lambda key: int(re.search(key + r":\s+(-?\d+)", info).group(1))
        left, top, width, height = (val("Absolute upper-left X"), val("Absolute upper-left Y"),
                                    val("Width"), val("Height"))

        before = set(os.listdir(runtime))
        subprocess.run(["weston-screenshooter"], env=env, cwd=runtime, timeout=20, check=True)
        png = [n for n in set(os.listdir(runtime)) - before if n.endswith(".png")]
        if not png:
            sys.exit("wayland_session: the compositor wrote no screenshot")
        png_path = os.path.join(runtime, png[0])
        os.makedirs(shots, exist_ok=True)
        shutil.copy(png_path, os.path.join(shots, "wayland_session.png"))
        raw = subprocess.run(["convert", png_path, "-depth", "8", "rgb:-"], capture_output=True, check=True,
                             timeout=30).stdout
        screen_w = 1280

        def pixel(cx, cy):  # a point of the client area
            i = ((top + cy) * screen_w + left + cx) * 3
            return tuple(raw[i:i + 3])

        failures = table.screen_problems(pixel, width, height)
        for f in failures:
            print("wayland_session: " + f)
        print("wayland_session: %s (client %dx%d at %d,%d on %s)" % ("FAILED" if failures else "panels shown",
                                                                      width, height, left, top, display))
        sys.exit(1 if failures else 0)
    finally:
        if game_proc:
            game_proc.terminate()
            try:
                game_proc.wait(5)
            except subprocess.TimeoutExpired:
                game_proc.kill()
        weston.terminate()
        weston.wait(10)
        shutil.rmtree(runtime, ignore_errors=True)


if __name__ == "__main__":
    main()
