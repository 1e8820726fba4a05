#!/usr/bin/env bash
# Fails when the English catalogue is not complete: a text in the sources without a finished
# translation, or an entry whose text is gone from the sources (lupdate would change the file).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
catalogue=$root/translations/terzlab_en.ts
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$catalogue" "$work/terzlab_en.ts"
"$root/scripts/update-translations.sh" "$work/terzlab_en.ts"
status=0
if grep -q 'type="unfinished"' "$work/terzlab_en.ts"; then
    echo "Texts without an English translation (scripts/update-translations.sh, then translate):"
    grep -B1 'type="unfinished"' "$work/terzlab_en.ts" | grep '<source>' || true
    status=1
fi
if ! diff -u "$catalogue" "$work/terzlab_en.ts"; then
    echo "The catalogue is not what lupdate makes of the sources: run scripts/update-translations.sh."
    status=1
fi
exit $status
