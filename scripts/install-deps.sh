#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need.
# Idempotent and quiet when everything is present; uses sudo only when not root.
set -euo pipefail

packages=(
    cmake g++ make ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev libfontconfig-dev
    qt6-translations-l10n
    fonts-liberation2 fonts-comic-neue fonts-dejavu-core
    poppler-utils
    desktop-file-utils appstream dpkg-dev man-db
)
# The sanitizer and fuzzing builds need clang as well; the README's pictures a private X
# server and the tools that drive and photograph it.
case "${1:-}" in
    --all) packages+=(clang libclang-rt-14-dev) ;;
    --screenshots) packages+=(xvfb xdotool imagemagick) ;;
esac

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
if ! "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null; then
    "${sudo[@]}" apt-get update -qq >/dev/null
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
