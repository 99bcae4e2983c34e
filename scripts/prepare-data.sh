#!/usr/bin/env bash
# Prepares a working folder for running Zelkor: scripts/prepare-data.sh DIR
# The program finds its database, report templates and field list by bare file
# name in the working folder. An existing ZELKOR.FDB is kept (it holds the
# user's data); the templates, the field list and the help files are refreshed.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
[ $# -eq 1 ] || { echo "használat: $0 MAPPA" >&2; exit 2; }
dir="$1"
mkdir -p "$dir"
dir="$(cd "$dir" && pwd)"

if [ ! -e "$dir/ZELKOR.FDB" ]; then
  # Build beside the target and move it in, so that a failed build leaves no
  # half-filled ZELKOR.FDB that later runs would take for a good one.
  tmpdb="$dir/ZELKOR.FDB.uj.$$"
  trap 'rm -f "$tmpdb"' EXIT
  "$here/scripts/create-db.sh" "$tmpdb" \
    "$here/datastore/seed.sql" "$here/datastore/demo.sql"
  mv "$tmpdb" "$dir/ZELKOR.FDB"
fi

shopt -s nullglob
for f in "$here"/reports/*.frf; do cp -f "$f" "$dir/"; done
[ -f "$here/data/mezo1.txt" ] && cp -f "$here/data/mezo1.txt" "$dir/"
if [ -d "$here/data/help" ]; then
  help=("$here"/data/help/*)
  if [ ${#help[@]} -gt 0 ]; then
    mkdir -p "$dir/help"
    cp -rf "${help[@]}" "$dir/help/"
  fi
fi
exit 0
