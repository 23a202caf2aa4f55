#!/usr/bin/env bash
# Regenerates the README's pictures from the program itself, on a private X server with a
# throw-away home folder, so that neither the desktop nor saved settings change them.
#
#   scripts/screenshots.sh [PROGRAM] [FOLDER]     (defaults: build/app/vevi, docs)
#
# FOLDER/main-window.png: a comparison of the documented start values in the Details view;
# FOLDER/formulas.png: the formulas window of that comparison.
# Needs Debian's xvfb, xdotool and imagemagick (scripts/install-deps.sh --screenshots).
set -euo pipefail
program=${1:-build/app/vevi}
folder=${2:-docs}
for tool in Xvfb xdotool import; do
    command -v "$tool" >/dev/null || { echo "missing: $tool" >&2; exit 2; }
done
[ -x "$program" ] || { echo "no program at $program" >&2; exit 2; }

tmp=$(mktemp -d)
xpid="" ppid=""
cleanup() {
    [ -n "$ppid" ] && kill "$ppid" 2>/dev/null
    [ -n "$xpid" ] && kill "$xpid" 2>/dev/null
    rm -rf "$tmp"
}
trap cleanup EXIT
exec 3>"$tmp/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp >"$tmp/xvfb.log" 2>&1 &
xpid=$!
for _ in $(seq 50); do [ -s "$tmp/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$tmp/display")"

mkdir -p "$tmp/home"
env -u QT_QPA_PLATFORMTHEME -u QT_STYLE_OVERRIDE -u QT_SCALE_FACTOR LANG=C.UTF-8 LC_ALL=C.UTF-8 \
    HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/home/.config" "$program" >"$tmp/program.log" 2>&1 &
ppid=$!

# The program's windows, topmost last.
windows() { xdotool search --onlyvisible --pid "$ppid" 2>/dev/null || true; }
main=""
for _ in $(seq 100); do
    main=$(windows | tail -n1)
    [ -n "$main" ] && break
    sleep 0.1
done
[ -n "$main" ] || { echo "the program showed no window:" >&2; tail "$tmp/program.log" >&2; exit 1; }
sleep 0.5
xdotool windowactivate --sync "$main" >/dev/null 2>&1 || xdotool windowfocus "$main"
keys() { for k in "$@"; do xdotool key --clearmodifiers "$k"; sleep 0.15; done; }

# From "Select a City" into the first box, Enter along the boxes to the start button, and
# Enter on it: the start values compared. The wheels turn; the picture shows one moment.
keys Tab Return Return Return Return Return Return Return Return
sleep 0.6
import -window "$main" "$folder/main-window.png"

# Enter on "Show formulae": the formulas window, laid over the main window.
keys Return
sleep 0.6
top=$(windows | tail -n1)
[ "$top" != "$main" ] || { echo "the formulas window did not open" >&2; exit 1; }
import -window "$top" "$folder/formulas.png"
echo "wrote $folder/main-window.png and $folder/formulas.png"
