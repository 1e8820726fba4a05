#!/usr/bin/env bash
# Installs what is missing, builds the release build and starts Terzlab.
# Without a display the program runs offscreen, measures once and writes a screenshot.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh run
build=build/release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTERZLAB_TESTS=OFF
cmake --build "$build"
args=("$@")
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    export QT_QPA_PLATFORM=offscreen
    shot="$PWD/$build/terzlab-screenshot.png"
    echo "Kein Bildschirm gefunden: eine Messung auf der virtuellen Soundkarte, Bild nach $shot"
    args=(--virtual --screenshot "$shot" --measure "${args[@]}")
fi
exec "$build/bin/terzlab" "${args[@]}"
