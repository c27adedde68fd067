#!/usr/bin/env bash
# The companion under es_ES.UTF-8 (decimal comma in the C library) prints
# exactly what it prints under the C locale: views, coupons, the backtest and
# the 1X2 tables of the bundled seasons.
set -uo pipefail
cli=$1 samples=$2
export LOCPATH=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
LC_ALL=es_ES.UTF-8 locale 2>&1 | grep -q "Cannot set" && { echo "es_ES.UTF-8 is missing from $LOCPATH"; exit 1; }
failures=0
check() {
  local c es
  c=$(LC_ALL=C "$cli" "$@" 2>&1; echo "exit $?")
  es=$(LC_ALL=es_ES.UTF-8 LANG=es_ES.UTF-8 "$cli" "$@" 2>&1; echo "exit $?")
  if [ "$c" != "$es" ]; then
    echo "differs under es_ES.UTF-8: vaticor-cli $*"
    diff <(echo "$c") <(echo "$es") | head -20
    failures=$((failures + 1))
  fi
}
for s in Edato13 Edato14 Edato23; do
  cp "$samples/$s.txt" "$work/"
  f="$work/$s.txt"
  for d in 1 2; do
    for j in 8 20 30; do
      for v in general cuadrante evolucion-equipos evolucion-signos tablas1x2 jornadas historial; do
        check "$f" --division $d --jornada $j $v
      done
      check "$f" --division $d --jornada $j clasificacion --sort 4
    done
  done
  for j in 10 20 30; do
    check "$f" quiniela --numero $j 1/$j/todo 2/$j/1 2/$j/2 2/$j/3 2/$j/4 2/$j/5
  done
  check "$f" imprimir quiniela --numero 21 1/20/todo 2/22/1 2/22/2 2/22/3 2/22/4 2/22/5
  check "$f" backtest
done
[ "$failures" -eq 0 ] || { echo "$failures outputs differ"; exit 1; }
echo "every output identical under es_ES.UTF-8"
