#!/usr/bin/env bash
# Brings the English catalogue up to date with the texts in the sources (Qt's lupdate): new
# texts come in unfinished, texts gone from the sources go out.
# Usage: scripts/update-translations.sh [TS_FILE [SOURCE_FOLDER...]]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
ts=${1:-$root/translations/terzlab_en.ts}
[ $# -gt 0 ] && shift
folders=("$@")
[ ${#folders[@]} -eq 0 ] && folders=("$root/src")
lupdate=$(command -v lupdate6 || command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
"$lupdate" -silent -locations none -no-obsolete -source-language de -target-language en \
    -tr-function-alias QT_TRANSLATE_NOOP+=TZ_TRANSLATE_NOOP "${folders[@]}" -ts "$ts"
