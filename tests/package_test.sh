#!/usr/bin/env bash
# The package unpacked in a folder of its own: every file is there, the
# companion reads a bundled season from there, and the program starts from
# there and stays up (it waits on its first message) until stopped.
set -euo pipefail
build="$1"
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
cmake --install "$build" --prefix "$dir/vaticor" >/dev/null
cd "$dir/vaticor"
for f in vaticor vaticor-cli Vaticor.ans nombres.csv Edato13.txt Edato14.txt Edato20.txt Edato23.txt \
         Edato25.txt Edato26.txt Edato27.txt recubrimientos.txt vaticor.desktop vaticor.png \
         instalar-escritorio.sh; do
  [ -e "$f" ] || { echo "missing in the package: $f"; exit 1; }
done
[ -w Edato14.txt ] || { echo "the seasons must be writable"; exit 1; }
# The league files of the bundled seasons, where the import dialog opens.
for s in 2012-13 2013-14 2019-20 2022-23 2024-25 2025-26; do
  for f in 1-liga.txt 2-liga2.txt; do
    [ -s "openfootball/$s/$f" ] || { echo "missing in the package: openfootball/$s/$f"; exit 1; }
  done
done
[ -s openfootball/2026-27/1-liga.txt ] || { echo "missing in the package: openfootball/2026-27/1-liga.txt"; exit 1; }
line="$(./vaticor-cli Edato14.txt general | grep ATLÉT | head -1)"
case "$line" in *90*) ;; *) echo "unexpected standings line: $line"; exit 1 ;; esac
# The bundled seasons give the model its past.
./vaticor-cli Edato14.txt backtest | grep -qx "modelo previa: Edato13.txt" || { echo "no season before Edato14.txt"; exit 1; }
# The reductions take the table of covering codes from the program's folder.
line="$(./vaticor-cli reducir 1X2,1X2,1X2,1X2,1X2,1X2,1X2,1X2,1,1,1,1,1,1 | tail -1)"
[ "$line" = "columnas 486 directas 6561 garantia 13" ] || { echo "unexpected reduction: $line"; exit 1; }
# A damaged table is named on the error output and left aside; a missing one too: the reductions go on.
printf 't8 d0 r1 3: 00000000 11111111 22222222\r\n' > recubrimientos.txt
line="$(./vaticor-cli reducir 1X2,1X2,1X2,1X2,1X2,1X2,1X2,1X2,1,1,1,1,1,1 2>warnings.txt | tail -1)"
case "$line" in "columnas "*" directas 6561 garantia 13") ;; *) echo "no reduction without the table: $line"; exit 1 ;; esac
grep -q "recubrimientos.txt, línea 1: las palabras no cubren" warnings.txt || { echo "the damaged line was not named"; exit 1; }
rm recubrimientos.txt
line="$(./vaticor-cli reducir 1X2,1X2,1X2,1X2,1X2,1X2,1X2,1X2,1,1,1,1,1,1 2>/dev/null | tail -1)"
case "$line" in "columnas "*" directas 6561 garantia 13") ;; *) echo "no reduction without the table: $line"; exit 1 ;; esac
rc=0
timeout 3 ./vaticor || rc=$?
[ "$rc" -eq 124 ] || { echo "the program ended by itself (exit $rc)"; exit 1; }
HOME="$dir" XDG_DATA_HOME="$dir/share" sh ./instalar-escritorio.sh >/dev/null
grep -qx "Exec=\"$dir/vaticor/vaticor\"" "$dir/share/applications/vaticor.desktop"
echo "package ok"
