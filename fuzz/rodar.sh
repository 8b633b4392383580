#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a bounded time.
#   fuzz/rodar.sh [seconds per target, default 60]
# An input that makes a target fail is written to tests/fuzz/<target>/,
# where the normal build replays it as a regression test.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
segundos="${1:-60}"
compilacao="$raiz/build-fuzz"
CC=clang CXX=clang++ cmake -S "$raiz" -B "$compilacao" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZEL_FUZZ=ON -DZEL_BENCH=OFF >/dev/null
cmake --build "$compilacao" --target fuzz_dialeto fuzz_csv fuzz_codigos
falhas=0
for alvo in dialeto csv codigos; do
    corpus="$compilacao/corpus/$alvo"
    mkdir -p "$corpus"
    cp -n "$raiz"/fuzz/sementes/$alvo/* "$corpus"/
    echo "== $alvo ($segundos s)"
    if ! ASAN_OPTIONS=detect_leaks=0 "$compilacao/fuzz_$alvo" "$corpus" \
            -max_total_time="$segundos" -artifact_prefix="$raiz/tests/fuzz/$alvo/" -print_final_stats=1 \
            2>&1 | tail -n 12; then
        falhas=1
    fi
done
exit $falhas
