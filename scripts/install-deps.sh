#!/usr/bin/env bash
# Installs the Debian packages that building and testing Terzlab needs, only those missing.
# Usage: scripts/install-deps.sh [run|test]
set -euo pipefail
mode=${1:-test}
packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-svg-dev libportaudio2 portaudio19-dev
    libsndfile1-dev libasound2-dev libasound2-plugins fonts-dejavu-core fonts-liberation
    qt6-tools-dev qt6-l10n-tools)
if [ "$mode" = test ]; then
    packages+=(libgtest-dev libgmock-dev libbenchmark-dev libfftw3-dev clang libclang-rt-14-dev
        pulseaudio pulseaudio-utils pipewire pipewire-bin wireplumber pipewire-pulse
        desktop-file-utils appstream dpkg-dev file lintian)
    # Not pipewire-alsa: it conflicts with pulseaudio, and the loopback tests reach both servers
    # through ALSA's pulse plugin.
fi
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Bitte als root ausführen oder sudo installieren." >&2; exit 1; }
    sudo=sudo
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
# With the recommended packages: libFuzzer's runtime, for one, comes only as a recommendation
# of clang, and the sound server is tested as Debian installs it by default.
$sudo apt-get install -y -qq "${missing[@]}"
