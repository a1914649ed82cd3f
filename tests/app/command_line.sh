#!/bin/sh
# The command line without any display: --help and --version answer, and a
# mistake is one line on stderr and status 2, before any window is tried.
#   command_line.sh PROGRAM
set -u
game=$1
err=$(mktemp)
trap 'rm -f "$err"' EXIT
fail() { echo "command_line: $*" >&2; exit 1; }

env -u DISPLAY -u WAYLAND_DISPLAY "$game" --help | grep -q -- '--demo' || fail "--help does not list --demo"
env -u DISPLAY -u WAYLAND_DISPLAY "$game" --version | grep -q '^Skyburst 3D ' || fail "--version"
env -u DISPLAY -u WAYLAND_DISPLAY "$game" --computer hard 2>"$err" >/dev/null
rc=$?
[ "$rc" -eq 2 ] || fail "a bad level gave status $rc, not 2"
[ "$(wc -l <"$err")" -eq 1 ] || fail "not one line on stderr: $(cat "$err")"
grep -q "low, medium or high" "$err" || fail "the message does not say what is wrong: $(cat "$err")"
echo "command_line: ok"
