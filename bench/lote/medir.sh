#!/usr/bin/env bash
# Whole files at once: `zel-dados converter` on a survey of 1,000,000
# previous-edition codes against the same join in the SQLite shell (the file
# imported into a table and joined with the correspondences), and
# `zel-dados codificar` on 100,000 job titles altered as people write them.
# Each is run N times; the median wall-clock time and the peak memory are
# reported.
#   bench/lote/medir.sh [build dir] [N] [escala]
# At escala 1 the build's own sample is used; at escala N the database of
# bench/rodar.sh ($ZEL_BENCH_DADOS/xN, built here when missing).
set -euo pipefail
compilacao="$(cd "${1:-build}" && pwd)"
vezes="${2:-3}"
escala="${3:-1}"
aqui="$(cd "$(dirname "$0")" && pwd)"
destino="${ZEL_BENCH_DADOS:-/tmp/zel-bench}"
trabalho="$destino/lote"
mkdir -p "$trabalho"

if ! command -v sqlite3 >/dev/null; then
    if [ "$(id -u)" -eq 0 ]; then
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends sqlite3 >/dev/null
    else
        echo "Falta o pacote sqlite3 do Debian: sudo apt-get install sqlite3" >&2
        exit 1
    fi
fi

if [ "$escala" -eq 1 ]; then
    csv="$compilacao/amostra-csv"
    dados="$compilacao/dados"
else
    csv="$destino/x$escala/csv"
    dados="$destino/x$escala/dados"
    if [ ! -f "$dados/zel2002.db" ] || [ "$compilacao/zel-dados" -nt "$dados/zel2002.db" ]; then
        rm -rf "$destino/x$escala"
        "$compilacao/zel-dados" gerar "$csv" --escala "$escala"
        "$compilacao/zel-dados" importar "$csv" "$dados"
    fi
fi

pesquisa="$trabalho/pesquisa-x$escala.csv"
titulos="$trabalho/titulos-x$escala.csv"
[ -f "$pesquisa" ] || python3 "$aqui/pesquisa.py" "$csv" 1000000 "$pesquisa"
[ -f "$titulos" ] || "$compilacao/tests/avaliar-codificacao" "$csv" "$dados" \
    --conjunto "$titulos" --linhas 100000 >/dev/null

# The natural alternative: the SQLite shell imports the file into a table of
# an in-memory database and joins it with the correspondences, one row per
# correspondence, in the file's order.
cat > "$trabalho/juncao.sql" <<SQL
.mode csv
.import $pesquisa pesquisa
attach '$dados/zel2002.db' as z;
.once $trabalho/saida-sqlite.csv
select p.*, o.cod_familia || o.cod_ocup as codigo_destino, o.nom_ocup as titulo_destino,
       z94.tp_situacao as situacao
from pesquisa p
left join z.TOcup_2000_94 c on c.cod_ocup_zel94 = p.ocupacao94
left join z.TOcupacao o on o.cod_int_ocup = c.cod_int_ocup
left join z.TOcupacao94 z94 on z94.cod_ocup_zel94 = c.cod_ocup_zel94
order by p.rowid;
SQL

# Median wall-clock seconds, median processor seconds (user + system: what
# the run itself cost, on a machine whose cores other work shares) and
# largest peak memory (KiB) of N runs of a command.
medir() {
    local tempos=() cpus=() pico=0 s u k
    for _ in $(seq "$vezes"); do
        read -r s u k < <(/usr/bin/time -f "%e %U %S %M" "$@" 2>&1 >/dev/null | tail -n1 |
            awk '{print $1, $2 + $3, $4}')
        tempos+=("$s")
        cpus+=("$u")
        (( k > pico )) && pico=$k
    done
    mediana() { printf "%s\n" "$@" | sort -n | sed -n "$(( (vezes + 1) / 2 ))p"; }
    printf "%s %s %s\n" "$(mediana "${tempos[@]}")" "$(mediana "${cpus[@]}")" "$pico"
}

read -r t_sqlite c_sqlite m_sqlite < <(medir sqlite3 -batch :memory: ".read $trabalho/juncao.sql")
read -r t_expandir c_expandir m_expandir < <(medir "$compilacao/zel-dados" converter "$dados" --de ZEL94 \
    --para ZEL2002 --coluna ocupacao94 --completar-zeros --expandir "$pesquisa" \
    --saida "$trabalho/saida-expandir.csv")
read -r t_juntar c_juntar m_juntar < <(medir "$compilacao/zel-dados" converter "$dados" --de ZEL94 \
    --para ZEL2002 --coluna ocupacao94 --completar-zeros "$pesquisa" \
    --saida "$trabalho/saida-juntar.csv")
read -r t_codificar c_codificar m_codificar < <(medir "$compilacao/zel-dados" codificar "$dados" \
    --coluna texto "$titulos" --saida "$trabalho/saida-codificar.csv")

echo "== escala $escala, $vezes execuções, mediana ($(uptime | sed 's/.*load average/carga/'))"
# The converter's summary, and the same counted apart from the program.
"$compilacao/zel-dados" converter "$dados" --de ZEL94 --para ZEL2002 --coluna ocupacao94 \
    --completar-zeros "$pesquisa" --saida "$trabalho/saida-juntar.csv" 2> "$trabalho/resumo.txt"
cat "$trabalho/resumo.txt"
if python3 "$aqui/resumo.py" "$csv" "$pesquisa" ocupacao94 | diff - "$trabalho/resumo.txt"; then
    echo "resumo conferido com a contagem de resumo.py"
else
    echo "o resumo difere da contagem de resumo.py" >&2
    exit 1
fi
por_linha() { echo "$1 * 1000000 / $2" | bc -l; }
printf "%-46s %7.2f s  %6.2f µs/linha  cpu %6.2f s  pico %6d KiB\n" \
    "sqlite3: .import + junção (1.000.000 linhas)" "$t_sqlite" "$(por_linha "$t_sqlite" 1000000)" "$c_sqlite" "$m_sqlite" \
    "converter --expandir (1.000.000 linhas)" "$t_expandir" "$(por_linha "$t_expandir" 1000000)" "$c_expandir" "$m_expandir" \
    "converter (1.000.000 linhas)" "$t_juntar" "$(por_linha "$t_juntar" 1000000)" "$c_juntar" "$m_juntar" \
    "codificar (100.000 títulos)" "$t_codificar" "$(por_linha "$t_codificar" 100000)" "$c_codificar" "$m_codificar"
printf "razão converter --expandir / sqlite3: %.2f (cpu %.2f)\n" "$(echo "$t_expandir / $t_sqlite" | bc -l)" \
    "$(echo "$c_expandir / $c_sqlite" | bc -l)"
