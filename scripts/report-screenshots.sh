#!/usr/bin/env bash
# Page 1 of every report template, printed through its window from the demo
# register, as PNG in docs/screenshots/reports/ (after scripts/build.sh):
#   bash scripts/report-screenshots.sh
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 ZELKOR_REPORT_PDF_DIR="$tmp" \
  "$here/build/tests/test_layout" everyTemplateReadable > "$tmp/log" || { cat "$tmp/log"; exit 1; }
out="$here/docs/screenshots/reports"
mkdir -p "$out"
for pdf in "$tmp"/*.pdf; do
  name="$(basename "$pdf" .pdf)"
  case "$name" in *-hosszu) continue ;; esac
  pdftoppm -png -r 100 -f 1 -l 1 -singlefile "$pdf" "$out/$name"
done
ls "$out"
