#!/usr/bin/env bash
# Builds the release build and the Debian package from it (installs to /usr).
# The package lands in build/release; its Depends come from dpkg-shlibdeps (dpkg-dev).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
# CPack finds the libraries with dpkg-shlibdeps and the executables with file.
for tool in dpkg-shlibdeps file; do
    command -v "$tool" >/dev/null || { echo "$tool fehlt: apt-get install dpkg-dev file" >&2; exit 1; }
done
build=build/release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTERZLAB_TESTS=OFF
cmake --build "$build"
(cd "$build" && cpack -G DEB)
ls "$build"/terzlab_*.deb
# What a distribution would say of it (lintian is installed by scripts/install-deps.sh test).
if command -v lintian >/dev/null; then lintian "$build"/terzlab_*.deb; fi
