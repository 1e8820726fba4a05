#!/usr/bin/env bash
# Installs into a temporary prefix, validates the desktop files, write-protects the prefix and
# runs the installed program as an ordinary user with its own home, at 44.1 and then 48 kHz.
# Then the GUI test's unwritable-stimulus case, which root cannot provoke, runs as that user.
# Usage: install_test.sh BUILD_FOLDER GUI_TEST_BINARY
set -euo pipefail
build=$1 gui_test=$2
work=$(mktemp -d /tmp/terzlab-install-XXXXXX)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
chmod 755 "$work"
prefix=$work/prefix home=$work/home config=$work/home/config data=$work/home/data
fail() { echo "FEHLER: $*" >&2; [ ! -f "$home/out.txt" ] || cat "$home/out.txt" >&2; exit 1; }
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    as_user=(runuser -u nobody --)
    "${as_user[@]}" true 2>/dev/null || { echo "SKIPPED: runuser kann die Rechte nicht abgeben"; exit 77; }
fi
run_as_user() {
    "${as_user[@]}" env -i PATH=/usr/bin:/bin HOME="$home" XDG_CONFIG_HOME="$config" \
        XDG_DATA_HOME="$data" XDG_RUNTIME_DIR="$home" TMPDIR="$home" QT_QPA_PLATFORM=offscreen \
        ASAN_OPTIONS=detect_leaks=0 "$@" > "$home/out.txt" 2>&1
}

cmake --install "$build" --prefix "$prefix" > /dev/null
command -v desktop-file-validate appstreamcli > /dev/null ||
    { echo "SKIPPED: desktop-file-utils oder appstream fehlt (scripts/install-deps.sh)"; exit 77; }
desktop-file-validate "$prefix"/share/applications/*.desktop
appstreamcli validate --no-net "$prefix"/share/metainfo/*.xml > /dev/null
chmod -R a-w "$prefix"
mkdir -m 700 "$home"
[ ${#as_user[@]} -eq 0 ] || chown nobody "$home"
snapshot() { (cd "$prefix" && find . -printf '%p %s %T@ %m\n' | sort); }
before=$(snapshot)
start() {
    run_as_user "$prefix/bin/terzlab" --virtual --screenshot "$home/shot$1.png" --measure ||
        fail "Programm endet mit Fehler"
    [ -s "$home/shot$1.png" ] || fail "kein Bild"
    [ "$(snapshot)" = "$before" ] || fail "in den Installationsordner geschrieben"
}

start 1
settings=$config/terzlab/Terzlab.def
[ -f "$settings" ] || fail "keine Einstellungen unter $config/terzlab"
[ ! -e "$data/terzlab" ] || fail "Kopie der Anregung ohne andere Abtastrate"
# The copy for 48 kHz appears only if the second start reads the settings back.
run_as_user sed -i 's/^Fsample=.*/Fsample=48000\r/' "$settings"
start 2
copy=$data/terzlab/pseudo.wav
[ "$(od -An -tu4 -j24 -N4 "$copy" | tr -d ' ')" = 48000 ] || fail "keine 48-kHz-Kopie unter $data"

[ ${#as_user[@]} -gt 0 ] || exit 0
run_as_user "$gui_test" --gtest_filter='RunTest.AStimulusFaultEndsTheStartWithoutCapture' || fail "GUI-Fall"
grep -q '^\[  PASSED  \] 1 test' "$home/out.txt" && ! grep -q SKIPPED "$home/out.txt" ||
    fail "GUI-Fall lief nicht"
