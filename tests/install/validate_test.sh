#!/usr/bin/env bash
# The desktop entry and the AppStream metadata pass their validators.
set -euo pipefail
sources=$1 built=$2
for tool in desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || { echo "SKIPPED: $tool fehlt (scripts/install-deps.sh)"; exit 77; }
done
desktop-file-validate "$sources/de.terzlab.Terzlab.desktop"
appstreamcli validate --no-net "$built/de.terzlab.Terzlab.metainfo.xml"
