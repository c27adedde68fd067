#!/usr/bin/env bash
# Fuzzes every reader of outside input with libFuzzer (clang, AddressSanitizer,
# UndefinedBehaviorSanitizer): the season file, the forecast store, the valuation record, the help
# text, executables' version records, openfootball league files and the name
# table. Each target runs SECONDS seconds (default 60), starting from the
# corpus kept in fuzz/corpus/. An input that fails is left in build-fuzz/
# (crash-*, leak-*, timeout-*); once mended, copy it into fuzz/corpus/TARGET/
# so every test run replays it.
#   scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh clang-14 libclang-rt-14-dev
seconds="${1:-60}"
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(season store record help version openfootball names coverings)

export QT_QPA_PLATFORM=offscreen
CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVATICOR_FUZZ=ON
cmake --build build-fuzz -j"$(nproc)" --target $(printf 'fuzz_%s ' "${targets[@]}")

status=0
for t in "${targets[@]}"; do
  work="build-fuzz/corpus/$t"
  mkdir -p "$work"
  echo "== fuzz_$t: $seconds s"
  # Qt's own allocations live until exit: leaks are not what is looked for here.
  if ! (cd build-fuzz && ASAN_OPTIONS=detect_leaks=0 ./fuzz/fuzz_$t -max_total_time="$seconds" -max_len=65536 \
          -timeout=30 -print_final_stats=1 "corpus/$t" "../fuzz/corpus/$t"); then
    echo "fuzz_$t FAILED: the failing input is in build-fuzz/"
    status=1
  fi
done
exit $status
