#!/usr/bin/env bash
# Every file the companion writes, on a disk that fills up (a file-size limit
# of 4 KB, 1 KB for the smaller store, the signal ignored so that the write itself fails): the program
# says it failed, exits non-zero, and the file it would have replaced is the
# same byte for byte.
set -uo pipefail
cli=$1 samples=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
full() { (trap '' XFSZ; ulimit -f "${kb:-4}"; "$cli" "$@") >"$work/out" 2>&1; }
expect_kept() { # file, what
  if cmp -s "$1" "$work/before"; then return; fi
  echo "FAIL: $2 changed $(basename "$1") ($(wc -c <"$1") bytes)"; failures=$((failures + 1))
}
expect_failed() { # status, what
  if [ "$1" -ne 0 ]; then return; fi
  echo "FAIL: $2 exited 0 on a full disk:"; cat "$work/out"; failures=$((failures + 1))
}

cp "$samples/Edato13.txt" "$work/Edato13.txt"; cp "$work/Edato13.txt" "$work/before"
full "$work/Edato13.txt" --jornada 20 jornada --resultados 11113211053220212020 --actuales 3842
expect_failed $? "saving a jornada"; expect_kept "$work/Edato13.txt" "saving a jornada"

"$cli" "$work/Edato13.txt" guardar --numero 5 1/20/todo >/dev/null || { echo "FAIL: storing a coupon"; failures=$((failures + 1)); }
cp "$work/gprono13.txt" "$work/before"
kb=1 full "$work/Edato13.txt" guardar --numero 6 1/21/todo
expect_failed $? "storing a coupon"; expect_kept "$work/gprono13.txt" "storing a coupon"

# The valuation record grows past 4 KB on its first write.
full "$work/Edato13.txt" estadistica --numero 5
expect_failed $? "the valuation record"
[ -s "$work/eprono13.txt" ] && { echo "FAIL: a cut valuation record was left"; failures=$((failures + 1)); }

head -c 4000 /dev/zero | tr '\0' 'x' >"$work/Qhistorial.TXT"; cp "$work/Qhistorial.TXT" "$work/before"
(cd "$work" && full "$work/Edato13.txt" exportar)
expect_failed $? "the export"; expect_kept "$work/Qhistorial.TXT" "the export"

cp "$samples/Edato14.txt" "$work/Edato14.txt"; cp "$work/Edato14.txt" "$work/before"
full importar "$samples/openfootball/2013-14/1-liga.txt" "$samples/openfootball/2013-14/2-liga2.txt" \
  --salida "$work/Edato14.txt" --nombres "$samples/nombres.csv"
expect_failed $? "an import over a season"; expect_kept "$work/Edato14.txt" "an import over a season"

leftovers=$(ls -A "$work" | grep -v -E '^(Edato1[34]\.txt|gprono13\.txt|Qhistorial\.TXT|before|out)$')
[ -z "$leftovers" ] || { echo "FAIL: left behind: $leftovers"; failures=$((failures + 1)); }
[ "$failures" -eq 0 ] || exit 1
echo "every write failed cleanly"
