#!/bin/sh
# Runs a command as it runs on a desktop with a screen reader: on a session bus
# of its own, with the accessibility bus running and the screen reader
# switched on, as a desktop does when Orca starts. The toolkit then serves its
# accessible tree over AT-SPI and sends its events.
#
#   atspi_session.sh COMMAND...     (runs itself inside dbus-run-session)
#
# The toolkit asks the bus once, when it starts, whether a screen reader is
# on, so the command starts only after the bus says so. The bus launcher keeps
# the switch in GSettings: here in memory, never in the user's settings.
set -eu
if [ -z "${SKY_ATSPI_SESSION:-}" ]; then
  SKY_ATSPI_SESSION=1 exec dbus-run-session -- "$0" "$@"
fi

fail() { echo "atspi_session: $*" >&2; exit 1; }

# Waits up to 10 s for a D-Bus reply on the session bus that contains "true".
wait_true() {
  what=$1
  shift
  for _ in $(seq 100); do
    dbus-send --session --print-reply "$@" 2>/dev/null | grep -q 'boolean true' && return 0
    sleep 0.1
  done
  fail "$what"
}

GSETTINGS_BACKEND=memory /usr/libexec/at-spi-bus-launcher &
launcher=$!
trap 'kill $launcher 2>/dev/null || true' EXIT
wait_true "the accessibility bus launcher did not take its name (org.a11y.Bus) within 10 s" \
  --dest=org.freedesktop.DBus /org/freedesktop/DBus org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus
# The reply is awaited: a Set flagged as needing none (dbus-send's default)
# is not applied by the launcher.
dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set \
  string:org.a11y.Status string:ScreenReaderEnabled variant:boolean:true >/dev/null ||
  fail "the accessibility bus refused to switch the screen reader on"
wait_true "the accessibility bus did not report the screen reader on (ScreenReaderEnabled) within 10 s" \
  --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Get string:org.a11y.Status string:ScreenReaderEnabled
"$@"
