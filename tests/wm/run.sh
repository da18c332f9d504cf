#!/usr/bin/env bash
# Runs a test program on an X server of its own with openbox managing the
# windows, as on a desktop. Both are started here and stopped by process id,
# however the program ends. Usage: run.sh PROGRAM [ARGS...]
set -u
for tool in Xvfb openbox wmctrl xdotool; do
    command -v "$tool" >/dev/null || { echo "run.sh: $tool is missing (tools/deps.sh installs it)" >&2; exit 1; }
done
work=$(mktemp -d)
xpid= wmpid=
stop() {
    [ -n "$wmpid" ] && kill "$wmpid" 2>/dev/null
    [ -n "$xpid" ] && kill "$xpid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap stop EXIT
trap 'exit 1' INT TERM

# The server picks a free display and writes its number once it accepts clients;
# on a loaded machine either may take some seconds to come up.
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xpid=$!
for _ in $(seq 300); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || { echo "run.sh: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$work/display")"

HOME="$work" openbox --sm-disable >"$work/openbox.log" 2>&1 &
wmpid=$!
# wmctrl answers once a window manager has taken the screen.
for _ in $(seq 300); do
    wmctrl -m >/dev/null 2>&1 && break
    sleep 0.1
done
wmctrl -m >/dev/null 2>&1 || { echo "run.sh: openbox did not start" >&2; cat "$work/openbox.log" >&2; exit 1; }

QT_QPA_PLATFORM=xcb "$@"
