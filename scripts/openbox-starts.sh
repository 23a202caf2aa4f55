#!/usr/bin/env bash
# Starts the program again and again under the openbox window manager on a private X server,
# logs where each start's main window frame ends up, and counts the starts whose frame is
# centred on the screen and wholly on it.
#
#   scripts/openbox-starts.sh [STARTS] [PROGRAM]     (defaults: 50, build/app/vevi)
#
# Needs Debian's xvfb, openbox, xdotool and x11-utils. Exits 1 unless every start is centred.
set -u
starts=${1:-50}
program=${2:-build/app/vevi}
width=1280 height=1024
for tool in Xvfb openbox xdotool xwininfo; do
    command -v "$tool" >/dev/null || { echo "missing: $tool" >&2; exit 2; }
done

tmp=$(mktemp -d)
exec 3>"$tmp/display"
Xvfb -displayfd 3 -screen 0 ${width}x${height}x24 -dpi 96 -nolisten tcp >"$tmp/xvfb.log" 2>&1 &
xpid=$!
for _ in $(seq 50); do [ -s "$tmp/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$tmp/display")"
export HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/home/.config"
mkdir -p "$HOME"
openbox >"$tmp/openbox.log" 2>&1 &
wmpid=$!
ppid=""
cleanup() {
    [ -n "$ppid" ] && kill "$ppid" 2>/dev/null
    kill "$wmpid" 2>/dev/null
    kill "$xpid" 2>/dev/null
    rm -rf "$tmp"
}
trap cleanup EXIT
sleep 1

# The window's outermost ancestor below the root: the frame the window manager drew.
frame_of() {
    local win=$1 info parent root
    while :; do
        info=$(xwininfo -tree -id "$win" 2>/dev/null) || break
        parent=$(awk '/Parent window id/ {print $4}' <<<"$info")
        root=$(awk '/Root window id/ {print $4}' <<<"$info")
        [ -z "$parent" ] || [ "$parent" = "$root" ] && break
        win=$parent
    done
    echo "$win"
}

centred=0
for i in $(seq "$starts"); do
    "$program" >"$tmp/program.log" 2>&1 &
    ppid=$!
    win=""
    for _ in $(seq 100); do
        win=$(xdotool search --onlyvisible --pid "$ppid" 2>/dev/null | tail -n1)
        [ -n "$win" ] && break
        sleep 0.1
    done
    # Time for the window manager's moves and the program's answer to them.
    sleep 1.5
    frame=$(frame_of "$win")
    read -r x y w h < <(xwininfo -id "$frame" |
        awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
             /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}')
    want_x=$(( (width - w) / 2 )) want_y=$(( (height - h) / 2 ))
    dx=$(( x - want_x )) dy=$(( y - want_y ))
    verdict=off
    if [ ${dx#-} -le 1 ] && [ ${dy#-} -le 1 ] && [ "$x" -ge 0 ] && [ "$y" -ge 0 ] &&
        [ $((x + w)) -le $width ] && [ $((y + h)) -le $height ]; then
        verdict=centred
        centred=$((centred + 1))
    fi
    echo "start $i: frame ${w}x${h} at $x,$y (centre $want_x,$want_y) $verdict"
    kill "$ppid" 2>/dev/null
    wait "$ppid" 2>/dev/null
    ppid=""
done
echo "$centred of $starts starts centred"
[ "$centred" -eq "$starts" ]
