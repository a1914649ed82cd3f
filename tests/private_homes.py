#!/usr/bin/env python3
"""Checks the homes the tests run in: this process's own environment is the
one the launcher gives (a private home of mode 0700 holding the XDG folders,
no session bus of the user's, GSettings in memory, the C.UTF-8 locale), and
every test CTest knows, those gtest_discover_tests finds included, is started
through the launcher, so no test runs in the user's home.

    private_homes.py LAUNCHER CTEST BUILD_DIR      (run through LAUNCHER)
"""
import json
import os
import pwd
import stat
import subprocess
import sys


def environment_problems():
    problems = []
    home = os.environ.get("HOME", "")
    real = pwd.getpwuid(os.getuid()).pw_dir
    if not home or os.path.realpath(home) == os.path.realpath(real):
        problems.append("HOME is the user's own home (%s)" % home)
    for name in ("HOME", "XDG_RUNTIME_DIR"):
        path = os.environ.get(name, "")
        if not os.path.isdir(path) or stat.S_IMODE(os.stat(path).st_mode) != 0o700:
            problems.append("%s=%s is not a folder of mode 0700" % (name, path))
    for name in ("XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME", "XDG_RUNTIME_DIR"):
        path = os.environ.get(name, "")
        if not (os.path.isdir(path) and os.path.realpath(path).startswith(os.path.realpath(home) + os.sep)):
            problems.append("%s=%s is not a folder inside HOME" % (name, path))
    for name in ("DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS", "LANGUAGE", "LC_MESSAGES"):
        if name in os.environ:
            problems.append("%s is inherited: %s" % (name, os.environ[name]))
    expected = {"GSETTINGS_BACKEND": "memory", "LANG": "C.UTF-8", "LC_ALL": "C.UTF-8"}
    for name, value in expected.items():
        if os.environ.get(name) != value:
            problems.append("%s=%s, not %s" % (name, os.environ.get(name), value))
    return problems


def unlaunched_tests(launcher, ctest, build):
    listing = subprocess.run([ctest, "--test-dir", build, "--show-only=json-v1"], capture_output=True, text=True,
                             check=True, timeout=300).stdout
    tests = json.loads(listing)["tests"]
    launcher = os.path.realpath(launcher)
    found = [t["name"] for t in tests if not t.get("command") or os.path.realpath(t["command"][0]) != launcher]
    return len(tests), found


def main():
    launcher, ctest, build = sys.argv[1:4]
    problems = environment_problems()
    count, found = unlaunched_tests(launcher, ctest, build)
    if count < 100:
        problems.append("CTest lists only %d tests" % count)
    problems += ["%s is not started through %s" % (name, launcher) for name in found]
    for p in problems:
        print("private_homes: " + p)
    print("private_homes: %d tests, %s" % (count, "%d problems" % len(problems) if problems else "all in private homes"))
    sys.exit(1 if problems else 0)


if __name__ == "__main__":
    main()
