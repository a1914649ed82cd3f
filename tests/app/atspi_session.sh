#!/bin/sh
# Runs a command as it runs on a desktop with a screen reader: on a session bus
# of its own, with the accessibility bus running and the screen reader
# switched on, as a desktop does when Orca starts. The toolkit then serves its
# accessible tree over AT-SPI and sends its events.
#
#   atspi_session.sh COMMAND...     (runs itself inside dbus-run-session)
set -eu
if [ -z "${SKY_ATSPI_SESSION:-}" ]; then
  SKY_ATSPI_SESSION=1 exec dbus-run-session -- "$0" "$@"
fi

/usr/libexec/at-spi-bus-launcher &
launcher=$!
trap 'kill $launcher 2>/dev/null || true' EXIT
for _ in $(seq 50); do
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q true && break
  sleep 0.1
done
dbus-send --session --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set \
  string:org.a11y.Status string:ScreenReaderEnabled variant:boolean:true
"$@"
