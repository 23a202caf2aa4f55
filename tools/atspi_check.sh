#!/usr/bin/env bash
# Runs tools/atspi_check.py in a private D-Bus session: it starts Xvfb, the accessibility bus
# and the program, walks the windows over AT-SPI and prints what a screen reader would get.
# Usage: tools/atspi_check.sh [--app build/app/vevi] [--timeout SECONDS]
# Needs the Debian packages python3-gi gir1.2-atspi-2.0 at-spi2-core dbus xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."

# The system interpreter: python3-gi is installed for it, not for other Pythons on the PATH.
python=/usr/bin/python3
missing=()
[ -x "$python" ] || missing+=(python3)
command -v dbus-run-session >/dev/null || missing+=(dbus)
command -v Xvfb >/dev/null || missing+=(xvfb)
[ -x /usr/libexec/at-spi-bus-launcher ] || [ -x /usr/lib/at-spi2-core/at-spi-bus-launcher ] ||
    missing+=(at-spi2-core)
if [ -x "$python" ] && ! "$python" -c \
        "import gi; gi.require_version('Atspi', '2.0'); from gi.repository import Atspi" \
        2>/dev/null; then
    missing+=(python3-gi gir1.2-atspi-2.0)
fi
if [ ${#missing[@]} -ne 0 ]; then
    echo "Missing: ${missing[*]}; install with: apt-get install ${missing[*]}" >&2
    exit 2
fi

# The session bus complains that it may not raise its file limit; that is harmless here.
exec dbus-run-session -- "$python" tools/atspi_check.py "$@" \
    2> >(grep -v --line-buffered 'Failed to set fd limit' >&2)
