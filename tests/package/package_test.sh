#!/usr/bin/env bash
# Builds the Debian package from this build, unpacks it into a scratch folder and runs every
# program in it, lets apt resolve its dependencies (simulated) and asks lintian for errors and
# warnings, so that a broken package fails the suite.
# Usage: package_test.sh BUILD_FOLDER VERSION HELP_VERSION_TEST
set -euo pipefail
build=$1 version=$2 help_version_test=$3
for tool in cpack dpkg-deb dpkg-shlibdeps file apt-get lintian; do
    command -v "$tool" > /dev/null ||
        { echo "SKIPPED: $tool fehlt (scripts/install-deps.sh)"; exit 77; }
done
work=$(mktemp -d /tmp/terzlab-package-XXXXXX)
trap 'rm -rf "$work"' EXIT
fail() { echo "FEHLER: $*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" > "$work/cpack.txt" 2>&1 ||
    { cat "$work/cpack.txt" >&2; fail "cpack"; }
deb=$(echo "$work"/out/terzlab_*.deb)
[ -f "$deb" ] || fail "kein Paket in $work/out"

dpkg-deb -x "$deb" "$work/root"
programs=("$work"/root/usr/bin/*)
[ ${#programs[@]} -eq 4 ] || fail "vier Programme erwartet: ${programs[*]}"
for program in "${programs[@]}"; do
    [ -f "$work/root/usr/share/man/man1/$(basename "$program").1.gz" ] ||
        fail "keine Handbuchseite für $(basename "$program")"
    bash "$help_version_test" "$program" "$version"
done

apt-get install -s "$deb" > "$work/apt.txt" 2>&1 ||
    { cat "$work/apt.txt" >&2; fail "apt-get kann die Abhängigkeiten nicht auflösen"; }

# lintian leaves folders of its own in TMPDIR: they go with the scratch folder.
mkdir -p "$work/tmp"
if ! TMPDIR="$work/tmp" lintian --fail-on error,warning "$deb" > "$work/lintian.txt" 2>&1; then
    grep -v '^running with root privileges' "$work/lintian.txt" >&2
    fail "lintian meldet Fehler oder Warnungen"
fi
