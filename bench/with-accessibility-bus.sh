#!/usr/bin/env bash
# Runs a program with the desktop's accessibility bus up and enabled, as it is while a
# screen reader runs, inside a session bus of its own (dbus-run-session) and a display.
set -euo pipefail
/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher=$!
trap 'kill $launcher 2>/dev/null || true' EXIT
sleep 1
dbus-send --session --dest=org.a11y.Bus --print-reply /org/a11y/bus org.freedesktop.DBus.Properties.Set \
    string:org.a11y.Status string:IsEnabled variant:boolean:true >/dev/null
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$@"
