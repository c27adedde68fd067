#!/usr/bin/env bash
# Dumps every output of vaticor-cli on every bundled season into one folder:
# each view of both divisions at many jornadas, every sort key, coupons of
# whole jornadas, the store roads, printed reports, the export, results typed
# in, the backtest. Run it before and after a change and diff the folders:
#   bash scripts/dump-outputs.sh build/vaticor-cli /tmp/before
# A locale may be given in LC_ALL; the outputs must not depend on it.
set -uo pipefail
cli=$(realpath "$1")
out=$2
here=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

seasons=()
for f in "$here"/samples/Edato*.txt; do seasons+=("$f"); done

run() { # name, args...
  local name=$1; shift
  "$cli" "$@" >"$out/$name.out" 2>"$out/$name.err"
  echo "exit $?" >>"$out/$name.out"
}

for path in "${seasons[@]}"; do
  s=$(basename "$path" .txt)
  cp "$path" "$work/"
  f="$work/$s.txt"
  run "$s-general" "$f" general
  for d in 1 2; do
    run "$s-d$d-general" "$f" --division "$d" general
    for j in 1 2 5 9 10 11 19 20 21 22 30 37 38 42; do
      for v in general cuadrante evolucion-equipos evolucion-signos equivalente tablas1x2 jornadas; do
        run "$s-d$d-j$j-$v" "$f" --division "$d" --jornada "$j" "$v"
      done
      for k in 0 1 2 3 4 5 6; do
        run "$s-d$d-j$j-clas$k" "$f" --division "$d" --jornada "$j" clasificacion --sort "$k"
      done
      run "$s-d$d-j$j-clasdesde" "$f" --division "$d" --jornada "$j" clasificacion --desde 3
      for t in 6 12 18 22; do
        run "$s-d$d-j$j-hist$t" "$f" --division "$d" --jornada "$j" historial --equipos "$t"
      done
    done
    for r in cuadrante signos clasificacion evolucion jornadas historial general equivalentes; do
      run "$s-d$d-print-$r" "$f" --division "$d" imprimir "$r"
    done
  done
  for j in 3 6 8 12 15 20 25 30 36 38; do
    run "$s-coupon$j" "$f" quiniela --numero "$j" 1/$j/todo 2/$j/1 2/$j/2 2/$j/3 2/$j/4 2/$j/5
    run "$s-coupon$j-mixed" "$f" quiniela --numero "$j" 2/$j/todo 1/$j/3 1/$j/4 1/$j/1
  done
  run "$s-print-quiniela" "$f" imprimir quiniela --numero 21 1/20/todo 2/22/1 2/22/2 2/22/3 2/22/4 2/22/5
  # The store's roads in a folder of their own.
  rm -f "$work"/gprono* "$work"/eprono*
  for n in 5 21 33; do
    run "$s-guardar$n" "$f" guardar --numero "$n" 1/$((n % 30 + 4))/todo 2/$((n % 30 + 4))/1 2/$((n % 30 + 4))/2 2/$((n % 30 + 4))/3 2/$((n % 30 + 4))/4 2/$((n % 30 + 4))/5
  done
  for n in 5 21 33 40; do
    run "$s-pronostico$n" "$f" pronostico --numero "$n"
    run "$s-estadistica$n" "$f" estadistica --numero "$n"
  done
  for g in "$work"/gprono* "$work"/eprono*; do
    [ -e "$g" ] && cp "$g" "$out/$s-$(basename "$g").file"
  done
  rm -f "$work"/gprono* "$work"/eprono*
  run "$s-backtest" "$f" backtest
  run "$s-backtest10" "$f" backtest --desde 10
  (cd "$work" && run "$s-exportar" "$f" exportar && cp "$work/Qhistorial.TXT" "$out/$s-Qhistorial.file" 2>/dev/null; rm -f "$work/Qhistorial.TXT")
  # Results typed in: a copy of the season set back, the jornada typed again.
  rm -f "$work"/*.txt; cp "$path" "$work/"
done
run "reducir13" reducir 1X2,1X,1,1,X2,1,1,1,1X2,1,1,1,1,1 --garantia 13
run "reducir12" reducir 1X2,1X2,1X2,1X2,1X2,1,1,1,1,1,1,1,1,1 --garantia 12
run "escrutinio" escrutinio 1X21X21X21X21X 11111111111111 1X21X21X21X21X
echo "$(ls "$out" | wc -l) files in $out"
