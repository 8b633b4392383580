#!/usr/bin/env bash
# Start-up time and peak memory of the program against a bare Qt window,
# measured in one run: N starts of each, alternated.
#   bench/inicio/medir.sh [build dir] [N]
# Both run from the build directory, beside dados/ and html/, on the
# offscreen platform (set QT_QPA_PLATFORM=xcb with a display to measure on X).
set -euo pipefail
compilacao="$(cd "${1:-build}" && pwd)"
vezes="${2:-20}"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
medir() { # program -> "seconds kilobytes"
    local inicio fim k
    inicio=$(date +%s%N)
    k=$(/usr/bin/time -f "%M" "$1" 2>&1 >/dev/null | tail -n1)
    fim=$(date +%s%N)
    echo "$(echo "($fim - $inicio) / 1000000000" | bc -l) $k"
}
declare -A tempo memoria
for programa in inicio_vazio inicio_pagina inicio_zel; do tempo[$programa]=0; memoria[$programa]=0; done
for _ in $(seq "$vezes"); do
    for programa in inicio_vazio inicio_pagina inicio_zel; do
        read -r s k < <(medir "$compilacao/$programa")
        tempo[$programa]=$(echo "${tempo[$programa]} + $s" | bc -l)
        (( k > memoria[$programa] )) && memoria[$programa]=$k
    done
done
for programa in inicio_vazio inicio_pagina inicio_zel; do
    printf "%-14s média %.1f ms   pico de memória %d KiB\n" "$programa" \
        "$(echo "${tempo[$programa]} * 1000 / $vezes" | bc -l)" "${memoria[$programa]}"
done
for base in inicio_vazio inicio_pagina; do
    printf "contra %-14s razão de tempo %.2f   razão de memória %.2f\n" "$base" \
        "$(echo "${tempo[inicio_zel]} / ${tempo[$base]}" | bc -l)" \
        "$(echo "${memoria[inicio_zel]} / ${memoria[$base]}" | bc -l)"
done
