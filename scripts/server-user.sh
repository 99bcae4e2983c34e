#!/usr/bin/env bash
# Adds a person to a shared register, or sets their password or role:
#   scripts/server-user.sh DATABASE USER ROLE [new|password|role]
# DATABASE is what ZELKOR_DATABASE names (host:/srv/zelkor/ZELKOR.FDB), ROLE is
# olvaso, rogzito or admin. It logs in as ISC_USER (asked when not set) with
# the password asked here: SYSDBA for the first administrator, an
# administrator afterwards. The new password is asked too; neither is echoed.
set -euo pipefail
[ $# -ge 3 ] || { echo "használat: $0 ADATBÁZIS FELHASZNÁLÓ olvaso|rogzito|admin [new|password|role]" >&2; exit 2; }
db="$1"; user="${2^^}"; what="${4:-new}"
case "$3" in
  olvaso) role=ZELKOR_OLVASO;; rogzito) role=ZELKOR_ROGZITO;; admin) role=ZELKOR_ADMIN;;
  *) echo "ismeretlen szerepkör: $3 (olvaso, rogzito, admin)" >&2; exit 2;;
esac
[[ "$user" =~ ^[A-Z][A-Z0-9_]{0,30}$ ]] || { echo "hibás felhasználónév: $2" >&2; exit 2; }
: "${ISC_USER:=}"
[ -n "$ISC_USER" ] || read -r -p "Bejelentkezés ezzel a felhasználóval: " ISC_USER
read -r -s -p "$ISC_USER jelszava: " ISC_PASSWORD; echo
export ISC_USER ISC_PASSWORD
if [ "$what" != role ]; then
  read -r -s -p "$user új jelszava: " pw; echo
  [ ${#pw} -ge 6 ] || { echo "a jelszó legalább 6 karakter legyen" >&2; exit 2; }
  pw="${pw//\'/\'\'}"
fi
adminrole=REVOKE; [ "$role" = ZELKOR_ADMIN ] && adminrole=GRANT
{
  case "$what" in
    new) echo "CREATE USER $user PASSWORD '$pw';" ;;
    password) echo "ALTER USER $user PASSWORD '$pw';" ;;
  esac
  if [ "$what" != password ]; then
    echo "ALTER USER $user $adminrole ADMIN ROLE;"
    echo "COMMIT;"
    # The roles the person held go first, whoever gave them.
    echo "SET TERM ^ ;"
    echo "EXECUTE BLOCK AS DECLARE R VARCHAR(63); DECLARE G VARCHAR(63); BEGIN"
    echo "  FOR SELECT TRIM(RDB\$RELATION_NAME), TRIM(RDB\$GRANTOR) FROM RDB\$USER_PRIVILEGES"
    echo "    WHERE RDB\$PRIVILEGE = 'M' AND RDB\$USER = '$user' AND RDB\$USER_TYPE = 8"
    echo "    AND RDB\$RELATION_NAME IN ('ZELKOR_OLVASO', 'ZELKOR_ROGZITO', 'ZELKOR_ADMIN', 'RDB\$ADMIN') INTO R, G DO"
    echo "    EXECUTE STATEMENT 'REVOKE ' || R || ' FROM $user GRANTED BY ' || G;"
    echo "END^"
    echo "SET TERM ; ^"
    echo "GRANT $role TO $user;"
    [ "$role" = ZELKOR_ADMIN ] && echo "GRANT RDB\$ADMIN TO $user;"
  fi
  echo "COMMIT;"
} | if [ "$ISC_USER" = SYSDBA ]; then isql-fb -q -b "$db"; else isql-fb -q -b -role 'RDB$ADMIN' "$db"; fi
echo "kész: $user ($role)"
