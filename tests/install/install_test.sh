#!/usr/bin/env bash
# Installs the build into a temporary prefix, write-protects it and runs the installed program
# as an ordinary user with its own home: the settings and the stimulus copy for 48 kHz must
# land in the user's XDG folders and nothing in the prefix may change. Then the unwritable
# stimulus case of the GUI tests, which root cannot provoke, runs as that user too.
# Usage: install_test.sh BUILD_FOLDER [GUI_TEST_BINARY]
set -euo pipefail
build=$1 gui_test=${2:-}

work=$(mktemp -d /tmp/terzlab-install-XXXXXX)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
chmod 755 "$work"
prefix=$work/prefix home=$work/home
config=$home/config data=$home/data

fail() { echo "FEHLER: $*" >&2; exit 1; }

# Root ignores write protection: the program runs as nobody. Anyone else already is an
# ordinary user.
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    as_user=(runuser -u nobody --)
    "${as_user[@]}" true 2>/dev/null || { echo "SKIPPED: runuser kann die Rechte nicht abgeben"; exit 77; }
fi
run_as_user() {
    "${as_user[@]}" env -i PATH=/usr/bin:/bin HOME="$home" XDG_CONFIG_HOME="$config" \
        XDG_DATA_HOME="$data" TMPDIR="$home/tmp" QT_QPA_PLATFORM=offscreen \
        ASAN_OPTIONS=detect_leaks=0 "$@"
}

cmake --install "$build" --prefix "$prefix" >/dev/null
chmod -R a-w "$prefix"
mkdir -p "$home/tmp"
[ ${#as_user[@]} -eq 0 ] || chown -R nobody "$home"
snapshot() { (cd "$prefix" && find . -printf '%p %s %T@ %m\n' | sort); }
before=$(snapshot)

start() {
    rm -f "$home/shot.png"
    run_as_user "$prefix/bin/terzlab" --virtual --screenshot "$home/shot.png" --measure \
        > "$home/out.txt" 2>&1 || { cat "$home/out.txt"; fail "Programm endet mit Fehler"; }
    [ -s "$home/shot.png" ] || fail "kein Bild geschrieben"
    [ "$(snapshot)" = "$before" ] || fail "in den Installationsordner wurde geschrieben"
}

start
settings=$config/terzlab/Terzlab.def
[ -f "$settings" ] || fail "keine Einstellungen unter $config/terzlab"
[ -z "$(ls -A "$data/terzlab" 2>/dev/null)" ] || fail "Kopie ohne neue Abtastrate"

# At 48 kHz the installed stimulus cannot be adapted in place: the run needs the copy, which
# only appears if the second start read the settings back.
run_as_user sed -i 's/^Fsample=.*/Fsample=48000\r/' "$settings"
start
copy=$data/terzlab/pseudo.wav
[ -f "$copy" ] || fail "keine Kopie der Anregung unter $data/terzlab"
[ "$(od -An -tu4 -j24 -N4 "$copy" | tr -d ' ')" = 48000 ] || fail "Kopie nicht auf 48 kHz"
grep -q $'^Fsample=48000\r$' "$settings" || fail "Einstellungen nicht zurückgelesen"

if [ -n "$gui_test" ] && [ ${#as_user[@]} -gt 0 ]; then
    run_as_user "$gui_test" --gtest_filter='RunTest.UnwritableRateField*' > "$home/gui.txt" 2>&1 ||
        { cat "$home/gui.txt"; fail "GUI-Fall schlägt fehl"; }
    grep -q '^\[  PASSED  \] 1 test' "$home/gui.txt" && ! grep -q SKIPPED "$home/gui.txt" ||
        { cat "$home/gui.txt"; fail "GUI-Fall lief nicht"; }
fi
echo "Installiert, schreibgeschützt und als Benutzer gelaufen: in Ordnung"
