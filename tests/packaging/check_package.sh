#!/usr/bin/env bash
# Installs the program into a scratch folder and builds its Debian package into another, then
# checks that each file is where a desktop looks for it, that the desktop entry and the
# AppStream metainfo validate, that the job file type is well-formed and declares *.vevi, that the man page renders cleanly and the copyright and changelog
# are in Debian's formats, and that the package holds the same files and declares its
# dependencies. Touches nothing outside its scratch folder.
# Usage: check_package.sh <build dir> <source dir>
# CMAKE and CPACK may name the cmake and cpack programs to use.
set -uo pipefail

if [ $# -ne 2 ]; then
    echo "usage: $0 <build dir> <source dir>" >&2
    exit 2
fi
build=$(cd "$1" && pwd) || exit 2
src=$(cd "$2" && pwd) || exit 2
cmake=${CMAKE:-cmake}
cpack=${CPACK:-cpack}

app_id=org.vevirazo.Vevi
program=vevi
title="Vevi Razo ro. Vozo Veri Vevirazedo"
job_type=application/x-vevi-job
job_glob='*.vevi'
icon_sizes=(16 32 48 64 128 256)
qt_runtime=(libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libqt6svg6)
fonts=(fonts-liberation2 fonts-comic-neue)

failures=()
fail() { failures+=("$*"); echo "FAIL: $*"; }
ok() { echo "ok:   $*"; }

missing=()
for tool in "$cmake" "$cpack" desktop-file-validate appstreamcli dpkg-deb dpkg-shlibdeps \
            dpkg-query dpkg-parsechangelog od man groff lexgrog gzip; do
    command -v "$tool" >/dev/null || missing+=("$tool")
done
if [ ${#missing[@]} -ne 0 ]; then
    echo "FAIL: missing tools: ${missing[*]} (scripts/install-deps.sh installs them)"
    exit 1
fi

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || { echo "FAIL: no project version in $build/CMakeCache.txt"; exit 1; }
# The release date is set once, beside the version.
release_date=$(sed -n 's/^set(VEVI_RELEASE_DATE "\([0-9-]*\)")$/\1/p' "$src/CMakeLists.txt")
[[ "$release_date" =~ ^[0-9]{4}-[0-9]{2}-[0-9]{2}$ ]] ||
    { echo "FAIL: no VEVI_RELEASE_DATE in $src/CMakeLists.txt"; exit 1; }
maintainer=$(sed -n 's/^set(CPACK_PACKAGE_CONTACT "\(.*\)")$/\1/p' "$src/packaging/CMakeLists.txt")
[ -n "$maintainer" ] ||
    { echo "FAIL: no CPACK_PACKAGE_CONTACT in $src/packaging/CMakeLists.txt"; exit 1; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# The files, relative to the prefix, that make the program a desktop application.
expected_files() {
    echo "bin/$program"
    echo "share/applications/$app_id.desktop"
    echo "share/metainfo/$app_id.metainfo.xml"
    echo "share/mime/packages/$app_id.xml"
    echo "share/icons/hicolor/scalable/apps/$app_id.svg"
    for n in "${icon_sizes[@]}"; do echo "share/icons/hicolor/${n}x${n}/apps/$app_id.png"; done
    echo "share/man/man1/$program.1.gz"
    echo "share/doc/$program/copyright"
    echo "share/doc/$program/changelog.Debian.gz"
}

# True when the file is gzip data written with -n: no file name and no time stamp in the header,
# so that two builds give the same bytes.
is_gzip_n() {
    local header
    header=$(od -An -tx1 -N8 "$1" 2>/dev/null | tr -d ' \n')
    [ "${header:0:4}" = "1f8b" ] || return 1
    # FLG (byte 3) without FNAME (0x08); MTIME (bytes 4 to 7) zero.
    (( (16#${header:6:2} & 8) == 0 )) && [ "${header:8:8}" = "00000000" ]
}

# The man page renders through man and groff without a warning, and its NAME line reads for
# whatis.
check_man_page() {
    local page=$1 what=$2 out
    if ! is_gzip_n "$page"; then
        fail "$what: $(basename "$page") is not gzip -n data"
        return
    fi
    gzip -dc "$page" >"$scratch/$program.1"
    out=$(MANWIDTH=80 man --warnings=all -l "$scratch/$program.1" 2>&1 >/dev/null)
    [ -z "$out" ] || fail "$what: man -l warns: $out"
    out=$(groff -man -ww -z "$scratch/$program.1" 2>&1)
    [ -z "$out" ] || fail "$what: groff -man -ww warns: $out"
    lexgrog "$scratch/$program.1" >/dev/null 2>&1 ||
        fail "$what: the man page has no NAME line that whatis can read"
    grep -q '@' "$scratch/$program.1" && fail "$what: the man page has an unfilled @...@ field"
    grep -qE "^\.TH VEVI 1 \"$release_date\" \"$program $version\"" "$scratch/$program.1" ||
        fail "$what: the man page's title line does not name $version and $release_date"
    ok "$what: man page renders without warnings"
}

# The copyright file is in the machine-readable format, and its licence text is LICENSE's.
check_copyright() {
    local file=$1 what=$2 text license
    if [ ! -f "$file" ]; then return; fi
    head -n1 "$file" | grep -qx \
        'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
        fail "$what: copyright does not start with the copyright-format 1.0 Format line"
    grep -qx 'Files: \*' "$file" || fail "$what: copyright has no 'Files: *' paragraph"
    grep -q '^Copyright: .*The Vevi developers$' "$file" ||
        fail "$what: copyright does not name The Vevi developers"
    [ "$(grep -cx 'License: MIT' "$file")" -eq 2 ] ||
        fail "$what: copyright lacks 'License: MIT' in Files: * and as a stand-alone paragraph"
    # The stand-alone paragraph's text, unfolded, against LICENSE from the permission notice on.
    text=$(awk 'found && /^ / { sub(/^ /, ""); if ($0 == ".") $0 = ""; print; next }
                found { exit } /^License: MIT$/ && seen++ { found = 1 }' "$file")
    license=$(sed -n '/^Permission is hereby granted/,$p' "$src/LICENSE")
    if [ -n "$text" ] && [ "$text" = "$license" ]; then
        ok "$what: copyright is machine-readable and carries the MIT text of LICENSE"
    else
        fail "$what: the licence text in copyright differs from LICENSE"
    fi
}

# The changelog parses, and its entry is this release: version, date, maintainer.
check_changelog() {
    local file=$1 what=$2 plain out
    if ! is_gzip_n "$file"; then
        fail "$what: changelog.Debian.gz is not gzip -n data"
        return
    fi
    plain="$scratch/changelog.Debian"
    gzip -dc "$file" >"$plain"
    if ! out=$(dpkg-parsechangelog -l "$plain" 2>&1 >/dev/null) || [ -n "$out" ]; then
        fail "$what: dpkg-parsechangelog: $out"
        return
    fi
    entry() { dpkg-parsechangelog -l "$plain" -S "$1"; }
    [ "$(entry Source)" = "$program" ] || fail "$what: changelog is for '$(entry Source)'"
    [ "$(entry Version)" = "$version" ] || fail "$what: changelog version is '$(entry Version)'"
    [ "$(entry Distribution)" = unstable ] ||
        fail "$what: changelog distribution is '$(entry Distribution)'"
    [ "$(entry Urgency)" = medium ] || fail "$what: changelog urgency is '$(entry Urgency)'"
    [ "$(entry Maintainer)" = "$maintainer" ] ||
        fail "$what: changelog maintainer '$(entry Maintainer)' is not '$maintainer'"
    [ "$(date -u -d "$(entry Date)" +%F)" = "$release_date" ] ||
        fail "$what: changelog date '$(entry Date)' is not $release_date"
    ok "$what: changelog.Debian.gz is entry $version of $release_date"
}

# Prints "namespace", "types" (how many), "type", "glob", "parent" and "comment" of a
# shared-mime-info file, one "key=value" line each: through xmllint when it is there, else
# through Python's XML parser.
mime_fields() {
    local file=$1 key
    if command -v xmllint >/dev/null; then
        local type="/*[local-name()='mime-info']/*[local-name()='mime-type']"
        local -A path=(
            [namespace]="namespace-uri(/*)"
            [types]="count($type)"
            [type]="string($type/@type)"
            [glob]="string($type/*[local-name()='glob']/@pattern)"
            [parent]="string($type/*[local-name()='sub-class-of']/@type)"
            [comment]="string($type/*[local-name()='comment'])")
        for key in namespace types type glob parent comment; do
            echo "$key=$(xmllint --xpath "${path[$key]}" "$file" 2>/dev/null)"
        done
        return
    fi
    python3 - "$file" <<'PY'
import sys
import xml.etree.ElementTree as ET
ns = "http://www.freedesktop.org/standards/shared-mime-info"
root = ET.parse(sys.argv[1]).getroot()
types = root.findall(f"{{{ns}}}mime-type")
first = types[0] if types else ET.Element("none")
def attribute(tag, name):
    element = first.find(f"{{{ns}}}{tag}")
    return "" if element is None else element.get(name, "")
comment = first.find(f"{{{ns}}}comment")
print("namespace=" + (root.tag[1:].split("}")[0] if root.tag.startswith("{") else ""))
print(f"types={len(types)}")
print("type=" + first.get("type", ""))
print("glob=" + attribute("glob", "pattern"))
print("parent=" + attribute("sub-class-of", "type"))
print("comment=" + ("" if comment is None else (comment.text or "")))
PY
}

# The job file type: well-formed XML in the shared-mime-info namespace declaring one type with
# its glob, parent type and comment; when update-mime-database is there, the database built
# from it maps the glob to the type.
check_mime_type() {
    local file=$1 what=$2 out status fields want
    [ -f "$file" ] || return 0  # the file list reports it missing
    if command -v xmllint >/dev/null; then
        out=$(xmllint --noout "$file" 2>&1)
        status=$?
    elif command -v python3 >/dev/null; then
        out=$(python3 -c 'import sys, xml.dom.minidom; xml.dom.minidom.parse(sys.argv[1])' \
              "$file" 2>&1)
        status=$?
    else
        fail "$what: neither xmllint nor python3 is there to read the job file type"
        return
    fi
    if [ "$status" -ne 0 ] || [ -n "$out" ]; then
        fail "$what: $(basename "$file") is not well-formed XML: $out"
        return
    fi
    fields=$(mime_fields "$file")
    for want in "namespace=http://www.freedesktop.org/standards/shared-mime-info" "types=1" \
                "type=$job_type" "glob=$job_glob" "parent=application/json"; do
        grep -qxF "$want" <<<"$fields" ||
            fail "$what: the job file type lacks $want (has: $(tr '\n' ' ' <<<"$fields"))"
    done
    grep -qE '^comment=.+' <<<"$fields" || fail "$what: the job file type has no comment"
    if command -v update-mime-database >/dev/null; then
        local db="$scratch/mime-$what"
        mkdir -p "$db/mime/packages"
        cp "$file" "$db/mime/packages/"
        if out=$(XDG_DATA_DIRS="$db" update-mime-database "$db/mime" 2>&1) && [ -z "$out" ]; then
            grep -qxF "50:$job_type:$job_glob" "$db/mime/globs2" ||
                fail "$what: update-mime-database maps no $job_glob to $job_type"
            grep -qxF "$job_type application/json" "$db/mime/subclasses" ||
                fail "$what: update-mime-database does not make $job_type a kind of JSON"
        else
            fail "$what: update-mime-database: $out"
        fi
    fi
    ok "$what: the job file type declares $job_type for $job_glob"
}

# Prints "<width> <height>" of a PNG, or nothing when the file is not a PNG.
png_size() {
    local signature
    signature=$(od -An -tx1 -N8 "$1" | tr -d ' \n')
    [ "$signature" = "89504e470d0a1a0a" ] || return 0
    od -An -tu1 -j16 -N8 "$1" | awk '{ print $1*16777216 + $2*65536 + $3*256 + $4,
                                              $5*16777216 + $6*65536 + $7*256 + $8 }'
}

# The value of a key in the [Desktop Entry] group.
desktop_value() {
    awk -F= -v key="$2" '/^\[/ { group = $0 } group == "[Desktop Entry]" && $1 == key {
        sub(/^[^=]*=/, ""); print; exit }' "$1"
}

# Checks an installed tree whose prefix is $1; $2 names it in messages.
check_tree() {
    local prefix=$1 what=$2 rel actual expected
    expected=$(expected_files | sort)
    actual=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort)
    if [ "$actual" = "$expected" ]; then
        ok "$what: exactly the $(echo "$expected" | wc -l) expected files"
    else
        fail "$what: files differ from the expected set:"
        diff <(echo "$expected") <(echo "$actual") | sed -n 's/^[<>]/    &/p'
    fi

    local exe="$prefix/bin/$program"
    if [ -x "$exe" ] && [ "$(head -c4 "$exe" | od -An -tx1 | tr -d ' \n')" = "7f454c46" ]; then
        ok "$what: bin/$program is an executable program"
    else
        fail "$what: bin/$program is missing or not an executable ELF file"
    fi

    local svg="$prefix/share/icons/hicolor/scalable/apps/$app_id.svg"
    if cmp -s "$svg" "$src/resources/vevi.svg"; then
        ok "$what: scalable icon is resources/vevi.svg"
    else
        fail "$what: scalable icon missing or differs from resources/vevi.svg"
    fi
    for n in "${icon_sizes[@]}"; do
        local png="$prefix/share/icons/hicolor/${n}x${n}/apps/$app_id.png" size
        size=$(png_size "$png" 2>/dev/null)
        if [ "$size" = "$n $n" ]; then
            ok "$what: ${n}x${n} icon is a ${n}x${n} PNG"
        else
            fail "$what: ${n}x${n} icon is not a ${n}x${n} PNG (got '${size:-not a PNG}')"
        fi
    done

    local desktop="$prefix/share/applications/$app_id.desktop" out
    if [ -f "$desktop" ]; then
        if out=$(desktop-file-validate "$desktop" 2>&1) && ! grep -qiE 'error|warning' <<<"$out"
        then
            ok "$what: desktop-file-validate passes${out:+ ($(wc -l <<<"$out") hints)}"
        else
            fail "$what: desktop-file-validate: $out"
        fi
        local key want value
        for pair in "Type=Application" "Name=$title" "Exec=$program %f" "Icon=$app_id" \
                    "Terminal=false"; do
            key=${pair%%=*}; want=${pair#*=}
            value=$(desktop_value "$desktop" "$key")
            [ "$value" = "$want" ] || fail "$what: desktop entry $key is '$value', not '$want'"
        done
        [ -n "$(desktop_value "$desktop" Comment)" ] || fail "$what: desktop entry has no Comment"
        case ";$(desktop_value "$desktop" MimeType)" in
            *";$job_type;"*) ;;
            *) fail "$what: desktop entry MimeType does not name $job_type" ;;
        esac
        value=$(desktop_value "$desktop" Categories)
        case ";$value" in
            *";Science;"*|*";Education;"*) ;;
            *) fail "$what: desktop entry Categories '$value' lacks Science or Education" ;;
        esac
        case ";$value" in
            *";Engineering;"*|*";Math;"*) ;;
            *) fail "$what: desktop entry Categories '$value' lacks Engineering or Math" ;;
        esac
        ok "$what: desktop entry keys checked"
    fi

    local metainfo="$prefix/share/metainfo/$app_id.metainfo.xml"
    if [ -f "$metainfo" ]; then
        if out=$(appstreamcli validate --no-net --no-color "$metainfo" 2>&1); then
            ok "$what: appstreamcli validate passes"
        else
            fail "$what: appstreamcli validate: $out"
        fi
        # One element per line in our file, so a line match reads it.
        grep -q "<id>$app_id</id>" "$metainfo" ||
            fail "$what: metainfo id is not $app_id"
        grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
            fail "$what: metainfo launchable is not $app_id.desktop"
        grep -q "<name>$title</name>" "$metainfo" || fail "$what: metainfo name is not '$title'"
        grep -q "<binary>$program</binary>" "$metainfo" ||
            fail "$what: metainfo does not provide the binary $program"
        grep -q "<release version=\"$version\" date=\"$release_date\"" "$metainfo" ||
            fail "$what: metainfo has no release $version dated $release_date"
        grep -q "<project_license>MIT</project_license>" "$metainfo" ||
            fail "$what: metainfo project_license is not MIT"
        # Software centres file the program where the desktop entry does.
        for category in $(desktop_value "$desktop" Categories | tr ';' ' '); do
            grep -q "<category>$category</category>" "$metainfo" ||
                fail "$what: metainfo lacks the desktop entry's category $category"
        done
        ok "$what: metainfo names $app_id, its desktop entry and release $version"
    fi

    check_mime_type "$prefix/share/mime/packages/$app_id.xml" "$what"
    check_man_page "$prefix/share/man/man1/$program.1.gz" "$what"
    check_copyright "$prefix/share/doc/$program/copyright" "$what"
    check_changelog "$prefix/share/doc/$program/changelog.Debian.gz" "$what"
}

echo "== cmake --install into a scratch DESTDIR"
if DESTDIR="$scratch/destdir" "$cmake" --install "$build" --prefix /usr \
        >"$scratch/install.log" 2>&1; then
    check_tree "$scratch/destdir/usr" "install"
else
    fail "cmake --install failed:"
    sed 's/^/    /' "$scratch/install.log"
fi

echo "== cpack -G DEB into a scratch folder"
if "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/deb" \
        >"$scratch/cpack.log" 2>&1; then
    shopt -s nullglob
    debs=("$scratch"/deb/*.deb)
    shopt -u nullglob
    if [ ${#debs[@]} -ne 1 ]; then
        fail "cpack made ${#debs[@]} .deb files, not one"
    else
        deb=${debs[0]}
        ok "built $(basename "$deb")"
        field() { dpkg-deb -f "$deb" "$1"; }
        [ "$(field Package)" = "$program" ] || fail "package name is '$(field Package)'"
        [ "$(field Version)" = "$version" ] || fail "package version is '$(field Version)'"
        [ "$(field Architecture)" = "$(dpkg --print-architecture)" ] ||
            fail "package architecture is '$(field Architecture)'"
        case "$(field Section)" in math|science) ;; *) fail "section is '$(field Section)'" ;; esac
        [[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] ||
            fail "maintainer '$(field Maintainer)' is not 'Name <address>'"
        [ -n "$(field Description)" ] || fail "package has no description"

        # Package names of a relation field, without versions or alternatives.
        names() { tr ',|' '\n\n' | sed 's/(.*)//; s/:.*//; s/[[:space:]]//g' | grep -v '^$'; }
        depends=$(field Depends | names)
        declared=$( (field Depends; echo ','; field Recommends) | names)
        for p in "${qt_runtime[@]}"; do
            grep -qx "$p" <<<"$depends" || fail "Depends lacks $p"
        done
        for p in "${fonts[@]}"; do
            grep -qx "$p" <<<"$declared" || fail "neither Depends nor Recommends has $p"
        done
        # Every package it names is a real one: those are all installed here.
        for p in $declared; do
            [ "$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null)" = "install ok installed" ] ||
                fail "declared dependency $p is not a package installed on this system"
        done
        ok "Depends: $(field Depends)"
        ok "Recommends: $(field Recommends)"

        # The listing shows modes and owners; the program must be root's and executable.
        listing=$(dpkg-deb -c "$deb")
        grep -qE "^-rwxr-xr-x root/root .* \./usr/bin/$program\$" <<<"$listing" ||
            fail "usr/bin/$program in the package is not -rwxr-xr-x root/root"
        if grep -vE '^d' <<<"$listing" | grep -vE ' \./usr/' | grep -q .; then
            fail "the package holds files outside /usr"
        fi
        for doc in "share/doc/$program/copyright" "share/doc/$program/changelog.Debian.gz" \
                   "share/man/man1/$program.1.gz" "share/mime/packages/$app_id.xml"; do
            grep -qE "^-rw-r--r-- root/root .* \./usr/$doc\$" <<<"$listing" ||
                fail "dpkg-deb -c lists no -rw-r--r-- usr/$doc"
        done
        ok "dpkg-deb -c: $(grep -cvE '^d' <<<"$listing") files under /usr"

        # Unpacked (not installed: the real system's package database is left alone).
        if dpkg-deb -x "$deb" "$scratch/root"; then
            check_tree "$scratch/root/usr" "package"
            # Debian's rules for a packaged program: no private library search path, no
            # debugging sections.
            exe="$scratch/root/usr/bin/$program"
            if [ -f "$exe" ] && command -v readelf >/dev/null; then
                readelf -d "$exe" | grep -qE 'RPATH|RUNPATH' &&
                    fail "packaged $program has a library search path"
                readelf -S "$exe" | grep -q '\.debug_info' &&
                    fail "packaged $program is not stripped"
                ok "packaged $program is stripped and has no library search path"
            fi
        else
            fail "dpkg-deb -x failed"
        fi
    fi
else
    fail "cpack failed:"
    sed 's/^/    /' "$scratch/cpack.log"
fi

echo
if [ ${#failures[@]} -eq 0 ]; then
    echo "all packaging checks passed"
    exit 0
fi
echo "${#failures[@]} packaging check(s) failed:"
printf '  - %s\n' "${failures[@]}"
exit 1
