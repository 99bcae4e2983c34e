#!/usr/bin/env bash
# Creates a Zelkor database: scripts/create-db.sh PATH [extra.sql ...]
# The extra scripts (seed data, demo data) run after the schema.
set -euo pipefail
# The embedded engine keeps its lock files per user.
: "${FIREBIRD_LOCK:=${XDG_RUNTIME_DIR:-/tmp}/zelkor-firebird-$(id -u)}"
mkdir -p "$FIREBIRD_LOCK"
export FIREBIRD_LOCK
here="$(cd "$(dirname "$0")/.." && pwd)"
db="$1"; shift
[ -e "$db" ] && { echo "már létezik: $db" >&2; exit 1; }
case "$db" in /*) ;; *) db="$PWD/$db";; esac
tmp="$(mktemp)"
trap 'rm -f "$tmp"' EXIT
{
  echo "CREATE DATABASE '$db' USER 'SYSDBA' PASSWORD 'bervalosz' PAGE_SIZE 8192 DEFAULT CHARACTER SET WIN1250;"
  cat "$here/datastore/zelkor.sql"
  for f in "$@"; do cat "$f"; echo "COMMIT;"; done
} | iconv -f UTF-8 -t CP1250 > "$tmp"
isql-fb -q -b -ch WIN1250 -i "$tmp"
