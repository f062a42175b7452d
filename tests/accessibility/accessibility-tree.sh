#!/usr/bin/env bash
# Runs the built program as a screen reader meets it: inside a session bus of its own, with
# the accessibility bus up, on a private X display, Qt's bridge on; then reads its tree with
# accessibility_tree.py. Exits 77 (skipped) only when the accessibility bus cannot start.
#
# Usage: accessibility-tree.sh PATH_TO_SLEEVORA
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
program=$1

# First the private session bus: the rest runs inside it.
if [ "${2:-}" != "--inside-session" ]; then
    exec dbus-run-session -- "$0" "$program" --inside-session
fi

work=$(mktemp -d)
pids=()
cleanup() {
    # The program first, then the display and the bus it was using.
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
        wait "${pids[i]}" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/bus.log" 2>&1 &
pids+=($!)
# Asked for its name only (NameHasOwner starts nothing), then for its address.
bus_up=false
for _ in $(seq 100); do
    if dbus-send --session --dest=org.freedesktop.DBus --print-reply /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q "boolean true" &&
        dbus-send --session --dest=org.a11y.Bus --print-reply /org/a11y/bus org.a11y.Bus.GetAddress \
            >/dev/null 2>&1; then
        bus_up=true
        break
    fi
    sleep 0.1
done
if [ "$bus_up" != true ]; then
    echo "SKIPPED: the accessibility bus (at-spi-bus-launcher) did not start:"
    cat "$work/bus.log"
    exit 77
fi
dbus-send --session --dest=org.a11y.Bus --print-reply /org/a11y/bus org.freedesktop.DBus.Properties.Set \
    string:org.a11y.Status string:IsEnabled variant:boolean:true >/dev/null

# A display of its own, numbered by the server so that parallel runs never meet.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 300); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || { echo "Xvfb did not start:"; cat "$work/xvfb.log"; exit 1; }

home="$work/home"
mkdir -p "$home/config" "$home/data" "$home/cache" "$home/runtime"
chmod 700 "$home/runtime"
env -u NO_AT_BRIDGE -u SESSION_MANAGER DISPLAY=":$(head -n1 "$work/display")" HOME="$home" \
    XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" XDG_CACHE_HOME="$home/cache" \
    XDG_RUNTIME_DIR="$home/runtime" CUPS_SERVER="$home/runtime/no-print-server" QT_QPA_PLATFORM=xcb \
    QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" &
program_pid=$!
pids+=("$program_pid")

# Debian's own Python has the AT-SPI bindings (python3-pyatspi), whatever python3 is first
# on the PATH.
/usr/bin/python3 "$here/accessibility_tree.py" "$program_pid"
