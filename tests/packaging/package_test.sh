#!/usr/bin/env bash
# Builds the Debian package into a temporary folder and checks what a user gets: the files, their
# modes and owner, the desktop entry and icons, the control fields, and the installed generator
# and T-SQL extension working together as the README shows.
# Usage: package_test.sh BUILD_DIR VERSION
set -euo pipefail

build="$(cd "$1" && pwd)"
version="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
sizes="16 24 32 48 64 128 256"

failures=0
check() {  # check DESCRIPTION COMMAND...: runs the command, reports and counts a failure
    if "${@:2}" >"$work/check.log" 2>&1; then
        echo "ok: $1"
    else
        echo "FAIL: $1"
        sed 's/^/    /' "$work/check.log"
        failures=$((failures + 1))
    fi
}

command -v desktop-file-validate >/dev/null || {
    echo "desktop-file-validate is missing: scripts/setup.sh installs desktop-file-utils" >&2
    exit 1
}
cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; exit 1; }
arch="$(dpkg --print-architecture)"
deb="$work/out/quorvan_${version}_${arch}.deb"
[ -f "$deb" ] || { echo "FAIL: no $deb"; ls "$work/out"; exit 1; }

# Every regular file with its mode, and nothing more: a stray or missing file shows as a diff.
{
    printf -- '-rwxr-xr-x usr/bin/%s\n' quorvan quorvan-demo
    printf -- '-rw-r--r-- usr/%s\n' lib/quorvan/quorvan_tsql.so share/quorvan/TALLORIN9DOC.txt \
        share/quorvan/site-views.sql share/applications/quorvan.desktop \
        share/doc/quorvan/README.md share/icons/hicolor/scalable/apps/quorvan.svg
    for size in $sizes; do printf -- '-rw-r--r-- usr/share/icons/hicolor/%s/apps/quorvan.png\n' \
        "${size}x${size}"; done
} | sort >"$work/expected"
dpkg-deb -c "$deb" >"$work/listing"
awk '$1 ~ /^-/ { sub(/^\.\//, "", $6); print $1, $6 }' "$work/listing" | sort >"$work/files"
check "the package holds exactly the expected files, with their modes" \
    diff "$work/expected" "$work/files"
check "every entry belongs to root" test -z "$(awk '$2 != "root/root"' "$work/listing")"
check "every folder is rwxr-xr-x" \
    test -z "$(awk '$1 ~ /^d/ && $1 != "drwxr-xr-x"' "$work/listing")"

field() { dpkg-deb -f "$deb" "$1"; }
check "package name, version and architecture" \
    test "$(field Package) $(field Version) $(field Architecture)" = "quorvan $version $arch"
depends="$(field Depends)"
echo "Depends: $depends"
# Qt widgets and SQL come from the binaries with their versions (dpkg-shlibdeps); the run-time
# plugins are required: the SQL drivers and the window system.
for dep in 'libqt6widgets6 \(>= [0-9.]+\)' 'libqt6sql6 \(>= [0-9.]+\)' libqt6sql6-sqlite \
    libqt6sql6-odbc qt6-qpa-plugins libc6; do
    check "Depends: $dep" grep -Eq "(^|, )$dep( |,|$)" <<<"$depends"
done
check "FreeTDS and a spreadsheet application are recommended" \
    grep -Eq '(^|, )tdsodbc(,|$).*libreoffice-calc' <<<"$(field Recommends)"

root="$work/root"
dpkg-deb -x "$deb" "$root"
desktop="$root/usr/share/applications/quorvan.desktop"
check "desktop-file-validate passes" desktop-file-validate "$desktop"
check "the desktop entry starts the installed program" \
    test -x "$root/usr/bin/$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")"
check "the desktop entry's icon is installed" \
    test -f "$root/usr/share/icons/hicolor/scalable/apps/$(sed -n 's/^Icon=//p' "$desktop").svg"
for size in $sizes; do  # the PNG signature, then the width and height from the header
    png="$root/usr/share/icons/hicolor/${size}x${size}/apps/quorvan.png"
    check "the ${size} px icon is a PNG of that size" \
        test "$(od -An -tx1 -N24 "$png" | tr -d ' \n' | cut -c1-16,33-48)" = \
        "89504e470d0a1a0a$(printf '%08x%08x' "$size" "$size")"
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
