#!/usr/bin/env bash
# A program answers --version with its name and the project's version and --help with a usage
# that names it, both on stdout with status 0, and needs no display for either.
# Usage: help_version_test.sh PROGRAM VERSION
set -euo pipefail
program=$1 version=$2 name=$(basename "$1")
fail() { echo "FEHLER: $name $*" >&2; exit 1; }
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
said=$("$program" --version) || fail "--version endet mit Status $?"
[ "$said" = "$name $version" ] || fail "--version sagt \"$said\""
said=$("$program" --help) || fail "--help endet mit Status $?"
[[ $said == *"$name "* ]] || fail "--help nennt den Aufruf nicht: $said"
