#!/usr/bin/env bash
# Runs the benchmarks on the sample classification at 1x, 10x and 100x its
# size. The databases are built once into $ZEL_BENCH_DADOS (default
# /tmp/zel-bench).
#   bench/rodar.sh [build dir] [benchmark flags...]
set -euo pipefail
compilacao="${1:-build}"
shift || true
destino="${ZEL_BENCH_DADOS:-/tmp/zel-bench}"
for escala in 1 10 100; do
    if [ ! -f "$destino/x$escala/dados/zel2002.db" ]; then
        "$compilacao/zel-dados" gerar "$destino/x$escala/csv" --escala "$escala"
        "$compilacao/zel-dados" importar "$destino/x$escala/csv" "$destino/x$escala/dados"
    fi
done
for escala in 1 10 100; do
    echo "== escala $escala"
    "$compilacao/bench_consultas" "$destino/x$escala/dados" --benchmark_min_time=0.2 "$@"
done
