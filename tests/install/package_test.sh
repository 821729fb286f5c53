#!/usr/bin/env bash
# Makes the Debian package from a build tree and checks what a Debian maintainer checks: the
# files a package must carry, a stripped program, each library named once in Depends, and,
# when lintian is installed, no error, warning or missing hardening reported by it.
#   package_test.sh BUILD_DIR CPACK
set -euo pipefail

build=${1:?build directory}
cpack=${2:-cpack}
skip=77  # the exit status CTest reports as a skipped test

work=$(mktemp -d)
# Making the package installs the build into a staging tree and writes the build's install
# manifest: it is kept.
source "$(dirname "$0")/common.sh"
keep_manifest "$build" "$work"

if ! log=$("$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" 2>&1); then
    echo "$log"
    echo "FAIL: cpack -G DEB did not make the package"
    exit 1
fi
debs=("$work"/out/*.deb)
deb=${debs[0]}
[ -f "$deb" ] || { echo "$log"; echo "FAIL: cpack made no .deb"; exit 1; }
dpkg-deb -x "$deb" "$work/root"

version=$(dpkg-deb -f "$deb" Version)
doc="$work/root/usr/share/doc/oscillations"
[ -f "$work/root/usr/bin/oscillations" ] || fail "usr/bin/oscillations is missing"
[ -f "$work/root/usr/share/man/man1/oscillations.1.gz" ] || fail "the manual page oscillations.1.gz is missing"
if [ -f "$doc/copyright" ]; then
    head -1 "$doc/copyright" | grep -q "^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" \
        || fail "the copyright file is not in the machine-readable format"
else
    fail "usr/share/doc/oscillations/copyright is missing"
fi
if [ -f "$doc/changelog.gz" ]; then
    top=$(gzip -dc "$doc/changelog.gz" | head -1)
    [[ $top == "oscillations ($version) "* ]] || fail "the changelog's last entry is not version $version: $top"
else
    fail "usr/share/doc/oscillations/changelog.gz is missing"
fi

# Stripped: neither debug information nor a symbol table is left in the program.
sections=$(readelf -S -W "$work/root/usr/bin/oscillations" 2>&1) || fail "readelf cannot read the program: $sections"
grep -q -e '\.debug_' -e '\.symtab' <<<"$sections" && fail "the packaged program is not stripped"

# Each package in Depends once, whoever put it there (the build files or dpkg-shlibdeps).
depends=$(dpkg-deb -f "$deb" Depends)
duplicates=$(tr ',' '\n' <<<"$depends" | sed -E 's/^ *([^ (|]+).*/\1/' | sort | uniq -d)
[ -z "$duplicates" ] || fail "Depends names $(echo $duplicates) more than once: $depends"
for p in libqt6widgets6 qt6-qpa-plugins fonts-liberation2 fonts-dejavu-core; do
    grep -q "\b$p\b" <<<"$depends" || fail "Depends does not name $p: $depends"
done

lintian_ran=no
if command -v lintian >/dev/null; then
    lintian_ran=yes
    # Root is warned against but harmless for a check of a finished package.
    report=$(lintian --display-info "$deb" 2>&1 | grep -v "running with root privileges" || true)
    [ -z "$report" ] || echo "$report"
    bad=$(grep -E '^(E|W): |^I: .*hardening-' <<<"$report" || true)
    [ -z "$bad" ] || fail "lintian reports: $bad"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) of the package $(basename "$deb") failed"
    exit 1
fi
if [ "$lintian_ran" = no ]; then
    echo "SKIPPED: lintian is not installed; the contents of $(basename "$deb") are right but unchecked by lintian"
    exit $skip
fi
echo "The package $(basename "$deb") is complete and lintian reports no error, warning or missing hardening"
