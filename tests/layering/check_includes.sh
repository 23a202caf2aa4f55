#!/usr/bin/env bash
# Fails when a file includes upward across the layers:
#   engine and place table -> Qt or any other folder; platform -> windows;
#   formulas window, About box and location dialog -> the main window;
#   the main window's collaborators -> the window itself (they talk to it by signals).
set -u
root=${1:?usage: check_includes.sh SOURCE_DIR}
cd "$root" || exit 2
failed=0

# Prints the offending include lines of FILES that match PATTERN.
forbid() {
    local what=$1 pattern=$2; shift 2
    local hits
    hits=$(grep -HnE "^[[:space:]]*#[[:space:]]*include[[:space:]]*$pattern" "$@" 2>/dev/null)
    if [ -n "$hits" ]; then
        echo "$what:"
        echo "$hits"
        failed=1
    fi
}

headers_of() { (cd "$1" && ls *.h 2>/dev/null) | sed 's/[.]/[.]/g' | paste -sd'|'; }

engine=(engine/*.h engine/*.cpp)
table=(location/location_table.* location/location_data.* location/place_lookup.*)
platform=(platform/*.h platform/*.cpp)
jobs=(platform/job_file.* platform/utf8_text.* platform/checked_write.*)
secondary=(info_windows/*.h info_windows/*.cpp location/frm_cities.* location/list_box.*)
collaborators=()
for f in main_window/*.h main_window/*.cpp; do
    case $f in main_window/frm_halvex.*) ;; *) collaborators+=("$f") ;; esac
done

main_window_headers=$(headers_of main_window)
window_headers="$(headers_of info_windows)|$(headers_of main_window)|frm_cities[.]h"
engine_headers=$(headers_of engine)

forbid "the engine includes Qt" '<Q' "${engine[@]}"
forbid "the place table includes Qt" '<Q' "${table[@]}"
# The engine includes only its own headers; the table only its own.
for f in "${engine[@]}"; do
    grep -HnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$f" |
        grep -vE "\"($engine_headers)\"" && failed=1
done
for f in "${table[@]}"; do
    grep -HnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$f" |
        grep -vE '"(location_table|location_data|place_lookup)[.]h"' && failed=1
done
forbid "platform includes a window" "\"($window_headers)\"" "${platform[@]}"
# Job files, the UTF-8 helper and the checked writer link Qt Core only.
forbid "a Qt Core target includes a widget header" '<Q(Widget|Application|Painter|Pdf|Svg|Print|Image)' "${jobs[@]}"
forbid "a secondary window includes the main window" "\"($main_window_headers)\"" "${secondary[@]}"
forbid "a collaborator includes the main window" '"frm_halvex[.]h"' "${collaborators[@]}"

[ $failed = 0 ] && echo "layers: no include goes upward"
exit $failed
