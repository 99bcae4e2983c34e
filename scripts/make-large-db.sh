#!/usr/bin/env bash
# Creates a large Zelkor database for speed checks: scripts/make-large-db.sh N PATH
# Schema + seed, then N compartments, each with 3 stand rows and 2 felling-plan
# rows, generated inside the engine in one EXECUTE BLOCK. Every value follows
# from the loop counter, so two runs with the same N give the same totals.
#
# A table can be given 89,999 codes (10001-99999). Up to 29,999 compartments
# every one gets its 3 stand and 2 felling rows; beyond that the rows are
# spread so that each table stays within its codes (at 89,999 compartments one
# stand and one felling row each).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
[ $# -eq 2 ] || { echo "használat: $0 RÉSZLETSZÁM ADATBÁZIS" >&2; exit 2; }
n="$1"; db="$2"
capacity=89999
if ! [[ "$n" =~ ^[0-9]+$ ]] || [ "$n" -lt 1 ] || [ "$n" -gt "$capacity" ]; then
  echo "a részletszám 1 és $capacity közötti egész szám legyen (ennyi kód fér egy táblába): $n" >&2; exit 2
fi

[ -e "$db" ] && { echo "már létezik: $db" >&2; exit 1; }
gen="$(mktemp --suffix=.sql)"
done=0
# A half-built database is of no use: remove it when the generation fails.
trap 'rm -f "$gen"; [ "$done" = 1 ] || rm -f "$db"' EXIT
cat > "$gen" <<EOF
SET TERM ^ ;
EXECUTE BLOCK AS
  -- Short name of the k-th row (from 0, wrapping) of a code group in rank order.
  DECLARE FUNCTION PICK (GRP VARCHAR(20), K INTEGER) RETURNS VARCHAR(75)
  AS
    DECLARE CNT INTEGER;
    DECLARE R VARCHAR(75);
  BEGIN
    SELECT COUNT(*) FROM KODOK WHERE KCSSZAM = :GRP INTO CNT;
    IF (CNT = 0) THEN RETURN '';
    SELECT FIRST 1 SKIP (MOD(:K, :CNT)) KRNEV FROM KODOK
      WHERE KCSSZAM = :GRP ORDER BY KSOR INTO R;
    RETURN R;
  END

  DECLARE I INTEGER = 0;
  DECLARE J INTEGER;
  DECLARE NH INTEGER;
  DECLARE RKOD VARCHAR(5);
  DECLARE HA DOUBLE PRECISION;
  DECLARE AGE INTEGER;
  DECLARE STOCK DOUBLE PRECISION;
  DECLARE INC DOUBLE PRECISION;
  DECLARE ERELY DOUBLE PRECISION;
  DECLARE F1 VARCHAR(75);
  DECLARE F2 VARCHAR(75);
  DECLARE F3 VARCHAR(75);
  DECLARE M1 VARCHAR(75);
  DECLARE M2 VARCHAR(75);
  DECLARE E2 DOUBLE PRECISION;
  DECLARE NA INTEGER;
  DECLARE NT INTEGER;
BEGIN
  SELECT COUNT(*) FROM KODOK WHERE KCSSZAM = 'HELY' INTO NH;
  WHILE (I < $n) DO
  BEGIN
    -- Compartments go round the settlements; J numbers them within one.
    J = I / NH;
    HA = 0.5 + MOD(I * 13, 1500) / 100.0;
    AGE = 5 + MOD(I * 37, 116);
    STOCK = AGE * (2.2 + MOD(I, 7) * 0.25);
    INC = 3.0 + MOD(I, 9) * 0.75;
    -- Species in 4-character slots, the common ones more often, as in Zala.
    F1 = TRIM(SUBSTRING('KST KST KST A   A   A   CS  CS  B   B   KTT GY  EF  EF  NNY NNY ME  MK  FF  LF  '
      FROM 4 * MOD(I, 20) + 1 FOR 4));
    F2 = TRIM(SUBSTRING('GY  KST CS  MJ  KJ  MK  HJ  NYI B   KTT ' FROM 4 * MOD(I / 3, 10) + 1 FOR 4));
    IF (F2 = F1) THEN F2 = IIF(F1 = 'GY', 'MJ', 'GY');
    F3 = TRIM(SUBSTRING('MJ  KH  VCS MSZ NYI RNY GY  ' FROM 4 * MOD(I / 7, 7) + 1 FOR 4));
    IF (F3 = F1 OR F3 = F2) THEN F3 = IIF(F1 = 'KH' OR F2 = 'KH', 'VCS', 'KH');
    -- Felling method by age: young stands are tended, old ones regenerated.
    M1 = CASE WHEN AGE < 20 THEN 'TI' WHEN AGE < 40 THEN 'TKGY' WHEN AGE < 75 THEN 'NFGY'
      ELSE TRIM(SUBSTRING('FVE FVB FVB TRV ' FROM 4 * MOD(I, 4) + 1 FOR 4)) END;
    M2 = IIF(AGE < 75, M1, IIF(M1 = 'TRV', 'EÜ', 'FVV'));
    E2 = IIF(AGE < 75, 10, IIF(M1 = 'TRV', 5, 100));
    -- Stand and felling rows of this compartment: 3 and 2 while the table's
    -- codes last, else this compartment's even share of them.
    NA = MINVALUE(3, CAST($capacity AS BIGINT) * (I + 1) / $n - CAST($capacity AS BIGINT) * I / $n);
    NT = MINVALUE(2, CAST($capacity AS BIGINT) * (I + 1) / $n - CAST($capacity AS BIGINT) * I / $n);

    INSERT INTO RESZLET (RHELYSEG, RTAG, RRESZLET, RHRSZ, RAK, ROLDAL, RILL, RKORZET, REV, RGAZD,
        RTUL, RRHA, RFATIP, RKELE, RNATURA, RREND, RKLI, RHID, RGENTAL, RRET, RFTF, RUMOD, RTFM,
        RDOMB, RTCAL, RFEK, RLEJT, RTFTK, RTHM, RZMI, RCS, RVADGAZD, RERDTAJ, RTERMESZET, RTEV)
      VALUES (PICK('HELY', :I), 1 + :J / 5, ASCII_CHAR(65 + MOD(:J, 5)),
        '0' || (100 + :J / 5) || '/' || (1 + MOD(:J, 5)), ROUND(:HA * 3.1, 2), 1 + :J / 10,
        PICK('ILL', :I), PICK('KORZET', :I), 2008 + MOD(:I, 4), PICK('GAZD', :I * 3 + :J),
        PICK('TUL', :I + :J), :HA, PICK('FATIP', :I), PICK('KELE', :J), PICK('NATURA', :I + 1),
        PICK('REND', MOD(:I, 11) / 8), PICK('KLI', :I), PICK('HID', :J), PICK('GENTAL', :I),
        PICK('RET', :I + 2), PICK('FTF', :I + 3), PICK('UMOD', MOD(:I, 10) / 9), PICK('TFM', :I),
        PICK('DOMB', :I), PICK('TCAL', :I), PICK('FEK', :I), PICK('LEJT', :I), PICK('TFTK', :I),
        PICK('THM', :J), PICK('ZMI', :I), PICK('CS', :I), PICK('VADGAZD', :I), PICK('ERDTAJ', :I),
        PICK('TERMESZET', :I), 2011)
      RETURNING RKOD INTO :RKOD;

    -- Three species with shares 60, 30 and 10 per cent.
    INSERT INTO ALLOMANY (ARKOD, ASSZAM, AJSZ, AFAF, AER, AEANY, AELM, AKOREV, AM, ACM, AOSZTALY,
        AFM, AZARODAS, ADBHA, AM3HA, AKESZLETM3, ANOVENDEK, AJK, AKM, AMOD, AXKOD)
      VALUES (:RKOD, '1', '1', :F1, PICK('ER', :I), 60, PICK('ELM', 0), :AGE,
        ROUND(MINVALUE(30, 2 + :AGE * 0.24), 1), ROUND(:AGE * 0.38, 0), 1 + MOD(:I, 5), PICK('FM', :I),
        70 + MOD(:I, 4) * 10, ROUND(36000.0 / (:AGE + 10), -1), ROUND(:STOCK * 0.6, 0),
        ROUND(:STOCK * 0.6 * :HA, 0), ROUND(:INC * 0.6, 1), PICK('JK', :I), '', 'Becslés', '1');
    IF (NA >= 2) THEN
    INSERT INTO ALLOMANY (ARKOD, ASSZAM, AJSZ, AFAF, AER, AEANY, AELM, AKOREV, AM, ACM, AOSZTALY,
        AFM, AZARODAS, ADBHA, AM3HA, AKESZLETM3, ANOVENDEK, AJK, AKM, AMOD, AXKOD)
      VALUES (:RKOD, '2', '1', :F2, PICK('ER', :I + 1), 30, PICK('ELM', :I + 1), :AGE,
        ROUND(MINVALUE(26, 1.5 + :AGE * 0.2), 1), ROUND(:AGE * 0.3, 0), 2 + MOD(:I, 4), PICK('FM', :I + 1),
        70 + MOD(:I, 4) * 10, ROUND(18000.0 / (:AGE + 10), -1), ROUND(:STOCK * 0.3, 0),
        ROUND(:STOCK * 0.3 * :HA, 0), ROUND(:INC * 0.3, 1), '', '', 'Becslés', '1');
    IF (NA >= 3) THEN
    INSERT INTO ALLOMANY (ARKOD, ASSZAM, AJSZ, AFAF, AER, AEANY, AELM, AKOREV, AM, ACM, AOSZTALY,
        AFM, AZARODAS, ADBHA, AM3HA, AKESZLETM3, ANOVENDEK, AJK, AKM, AMOD, AXKOD)
      VALUES (:RKOD, '3', '2', :F3, PICK('ER', :I + 2), 10, PICK('ELM', :I + 2), :AGE - MOD(:I, 5),
        ROUND(MINVALUE(20, 1 + :AGE * 0.15), 1), ROUND(:AGE * 0.22, 0), 3, PICK('FM', :I + 2),
        70 + MOD(:I, 4) * 10, ROUND(6000.0 / (:AGE + 10), -1), ROUND(:STOCK * 0.1, 0),
        ROUND(:STOCK * 0.1 * :HA, 0), ROUND(:INC * 0.1, 1), '', '', 'Becslés', '1');

    -- Felling plan: the main species with urgency groups 1 and (every other
    -- compartment) 2, the second species with group 1 and (every third) group 3.
    ERELY = CASE M1 WHEN 'TRV' THEN 100 WHEN 'FVE' THEN 15 WHEN 'FVB' THEN 40 ELSE 10 + MOD(I, 16) END;
    INSERT INTO TERMELES (TRKOD, TSSZAM, TJSZAM, TJELE, TVAGKOR, TVAGMUT,
        TSURG1, TEHA1, THMOD1, TERELY1, TM3EV1, TM3RESZL1,
        TSURG2, TEHA2, THMOD2, TERELY2, TM3EV2, TM3RESZL2, TXKOD)
      VALUES (:RKOD, '1', '1', :F1, 60 + MOD(:I, 6) * 10, 'Kor',
        PICK('SURG1', :I), :HA, :M1, :ERELY,
        ROUND(:STOCK * 0.6 * :ERELY / 100, 0), ROUND(:STOCK * 0.6 * :ERELY / 100 * :HA, 0),
        IIF(MOD(:I, 2) = 0, PICK('SURG1', :I + 1), NULL), IIF(MOD(:I, 2) = 0, ROUND(:HA / 2, 2), NULL),
        IIF(MOD(:I, 2) = 0, :M2, NULL), IIF(MOD(:I, 2) = 0, :E2, NULL),
        IIF(MOD(:I, 2) = 0, ROUND(:STOCK * 0.6 * :E2 / 100, 0), NULL),
        IIF(MOD(:I, 2) = 0, ROUND(:STOCK * 0.6 * :E2 / 100 * :HA / 2, 0), NULL), '1');
    IF (NT >= 2) THEN
    INSERT INTO TERMELES (TRKOD, TSSZAM, TJSZAM, TJELE, TVAGKOR, TVAGMUT,
        TSURG1, TEHA1, THMOD1, TERELY1, TM3EV1, TM3RESZL1,
        TSURG3, TEHA3, THMOD3, TERELY3, TM3EV3, TM3RESZL3, TXKOD)
      VALUES (:RKOD, '2', '1', :F2, 60 + MOD(:I, 6) * 10, 'Kor',
        PICK('SURG1', :I / 2 + 1), :HA, IIF(:AGE < 75, :M1, 'NFGY'), 15,
        ROUND(:STOCK * 0.3 * 0.15, 0), ROUND(:STOCK * 0.3 * 0.15 * :HA, 0),
        IIF(MOD(:I, 3) = 0, '3', NULL), IIF(MOD(:I, 3) = 0, ROUND(:HA / 4, 2), NULL),
        IIF(MOD(:I, 3) = 0, 'EÜ', NULL), IIF(MOD(:I, 3) = 0, 5, NULL),
        IIF(MOD(:I, 3) = 0, ROUND(:STOCK * 0.05, 0), NULL),
        IIF(MOD(:I, 3) = 0, ROUND(:STOCK * 0.05 * :HA / 4, 0), NULL), '1');
    I = I + 1;
  END
END^
SET TERM ; ^
EOF
"$here/scripts/create-db.sh" "$db" "$here/datastore/seed.sql" "$gen"
done=1
