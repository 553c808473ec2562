#!/usr/bin/env bash
# Builds the Debian package into a temporary folder and checks what a user gets from it:
# every file in its place with its mode and owned by root, nothing else; the desktop entry
# valid and pointing at the installed program and icon; the icon renderings PNGs of their
# size; the control fields with computed dependencies; and the installed generator and
# T-SQL extension working together as the README shows.
# Usage: package_test.sh BUILD_DIR VERSION
set -euo pipefail

build="$(cd "$1" && pwd)"
version="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

failures=0
check() {  # check DESCRIPTION COMMAND...: runs the command, reports and counts a failure
    local what="$1"
    shift
    if "$@" >"$work/check.log" 2>&1; then
        echo "ok: $what"
    else
        echo "FAIL: $what"
        sed 's/^/    /' "$work/check.log"
        failures=$((failures + 1))
    fi
}

command -v desktop-file-validate >/dev/null || {
    echo "desktop-file-validate is missing: scripts/setup.sh installs desktop-file-utils" >&2
    exit 1
}

if ! cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    exit 1
fi
arch="$(dpkg --print-architecture)"
deb="$work/out/quorvan_${version}_${arch}.deb"
[ -f "$deb" ] || { echo "FAIL: no $deb"; ls "$work/out"; exit 1; }

# Every regular file with its mode, and nothing more: a stray or missing file shows as a diff.
{
    for f in usr/bin/quorvan usr/bin/quorvan-demo; do echo "-rwxr-xr-x $f"; done
    for f in usr/lib/quorvan/quorvan_tsql.so \
        usr/share/quorvan/TALLORIN9DOC.txt usr/share/quorvan/site-views.sql \
        usr/share/applications/quorvan.desktop usr/share/doc/quorvan/README.md \
        usr/share/icons/hicolor/scalable/apps/quorvan.svg; do
        echo "-rw-r--r-- $f"
    done
    for size in 16 24 32 48 64 128 256; do
        echo "-rw-r--r-- usr/share/icons/hicolor/${size}x${size}/apps/quorvan.png"
    done
} | sort >"$work/expected"
dpkg-deb -c "$deb" >"$work/listing"
awk '$1 ~ /^-/ { sub(/^\.\//, "", $6); print $1, $6 }' "$work/listing" | sort >"$work/files"
check "the package holds exactly the expected files, with their modes" \
    diff "$work/expected" "$work/files"
check "every entry belongs to root" \
    test -z "$(awk '$2 != "root/root"' "$work/listing")"
check "every folder is rwxr-xr-x" \
    test -z "$(awk '$1 ~ /^d/ && $1 != "drwxr-xr-x"' "$work/listing")"

field() { dpkg-deb -f "$deb" "$1"; }
check "package name, version and architecture" \
    test "$(field Package) $(field Version) $(field Architecture)" = "quorvan $version $arch"
depends="$(field Depends)"
check "Qt widgets and SQL come from the binaries, with their versions (dpkg-shlibdeps)" \
    bash -c 'grep -Eq "(^|, )libqt6widgets6 \(>= [0-9.]+\)" <<<"$1" &&
             grep -Eq "(^|, )libqt6sql6 \(>= [0-9.]+\)" <<<"$1"' _ "$depends"
check "the run-time plugins are required: SQL drivers and the window system" \
    bash -c 'for p in libqt6sql6-sqlite libqt6sql6-odbc qt6-qpa-plugins libc6; do
                 grep -Eq "(^|, )$p( |,|$)" <<<"$1" || { echo "no $p in: $1"; exit 1; }
             done' _ "$depends"
check "FreeTDS and a spreadsheet application are recommended" \
    grep -Eq '(^|, )tdsodbc(,|$).*libreoffice-calc' <<<"$(field Recommends)"

root="$work/root"
dpkg-deb -x "$deb" "$root"
desktop="$root/usr/share/applications/quorvan.desktop"
check "desktop-file-validate passes" desktop-file-validate "$desktop"
exec_name="$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")"
icon_name="$(sed -n 's/^Icon=//p' "$desktop")"
check "the desktop entry starts the installed program" test -x "$root/usr/bin/$exec_name"
check "the desktop entry's icon is installed" \
    test -f "$root/usr/share/icons/hicolor/scalable/apps/$icon_name.svg"

png_size() {  # the width and height in a PNG's header
    od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d\n", ($1*2^24)+($2*2^16)+($3*2^8)+$4, ($5*2^24)+($6*2^16)+($7*2^8)+$8 }'
}
for size in 16 24 32 48 64 128 256; do
    png="$root/usr/share/icons/hicolor/${size}x${size}/apps/quorvan.png"
    check "the ${size} px icon is a PNG of that size" \
        test "$(head -c 8 "$png" | od -An -tx1 | tr -d ' ')$(png_size "$png")" = "89504e470d0a1a0a${size}x${size}"
done

check "the installed generator writes a company" \
    "$root/usr/bin/quorvan-demo" --lots 20 --seed 1 --out "$work/company.sqlite"
if command -v sqlite3 >/dev/null; then
    check "the installed extension loads into the sqlite3 shell and reads the company" \
        test "$(sqlite3 "$work/company.sqlite" -cmd ".load $root/usr/lib/quorvan/quorvan_tsql" \
            "SELECT COUNT(*) > 0, 'ABC  ' = 'abc' COLLATE TSQL_CI FROM OPTGRADE")" = "1|1"
fi

echo "$failures failed"
[ "$failures" -eq 0 ]
