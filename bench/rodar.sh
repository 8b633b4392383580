#!/usr/bin/env bash
# Runs the benchmarks on the sample classification at 1x, 10x and 100x its
# size, one process per scale. The databases are built once into
# $ZEL_BENCH_DADOS (default /tmp/zel-bench).
#   bench/rodar.sh [build dir] [consultas|acoes] [benchmark flags...]
# Without a choice both benchmarks run, five times each; their results are
# also written to $ZEL_BENCH_DADOS/consultas-xN.json and acoes-xN.json, from
# which bench/tabela_acoes.py makes the table of docs/performance.md, and
# bench/antes_depois.py compares two such directories (before and after a
# change). The import's time (elapsed and CPU) and the database's size of each scale
# go to $ZEL_BENCH_DADOS/importacao.txt when the databases are built.
set -euo pipefail
compilacao="${1:-build}"
shift || true
quais="consultas acoes"
if [ "${1:-}" = consultas ] || [ "${1:-}" = acoes ]; then
    quais="$1"
    shift
fi
destino="${ZEL_BENCH_DADOS:-/tmp/zel-bench}"
# A database older than the tool that generates the sample is built again, so
# a changed sample is never measured through a stale copy.
for escala in 1 10 100; do
    banco="$destino/x$escala/dados/zel2002.db"
    if [ ! -f "$banco" ] || [ "$compilacao/zel-dados" -nt "$banco" ]; then
        rm -rf "$destino/x$escala"
        "$compilacao/zel-dados" gerar "$destino/x$escala/csv" --escala "$escala"
        TIMEFORMAT="%R %U %S"
        { time "$compilacao/zel-dados" importar "$destino/x$escala/csv" \
            "$destino/x$escala/dados" 2>&3; } 3>&2 2>"$destino/x$escala/tempo"
        read -r real usuario sistema < "$destino/x$escala/tempo"
        echo "escala $escala: importação $real s ($(echo "$usuario + $sistema" | bc) s de CPU)," \
            "banco $(stat -c %s "$banco") bytes" >> "$destino/importacao.txt"
    fi
done
for escala in 1 10 100; do
    for qual in $quais; do
        echo "== $qual, escala $escala ($(uptime | sed 's/.*load average/carga/'))"
        case "$qual" in
        consultas)
            "$compilacao/bench_consultas" "$destino/x$escala/dados" --benchmark_min_time=0.2 \
                --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
                --benchmark_out="$destino/consultas-x$escala.json" --benchmark_out_format=json "$@"
            ;;
        acoes)
            "$compilacao/bench_acoes" "$destino/x$escala/dados" --benchmark_min_time=0.2 \
                --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
                --benchmark_out="$destino/acoes-x$escala.json" --benchmark_out_format=json "$@"
            ;;
        esac
    done
done
if [[ "$quais" == *acoes* ]]; then
    "$(dirname "$0")/tabela_acoes.py" "$destino"/acoes-x{1,10,100}.json
fi
