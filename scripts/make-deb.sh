#!/usr/bin/env bash
# Builds the release build and the Debian package from it (installs to /usr).
# The package lands in build/release; its Depends come from dpkg-shlibdeps (dpkg-dev).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
command -v dpkg-shlibdeps >/dev/null || { echo "dpkg-shlibdeps fehlt: apt-get install dpkg-dev" >&2; exit 1; }
build=build/release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTERZLAB_TESTS=OFF
cmake --build "$build"
(cd "$build" && cpack -G DEB)
ls "$build"/terzlab_*.deb
