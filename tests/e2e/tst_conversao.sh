#!/usr/bin/env bash
# A user converts the family 2212 from ZEL2002 to ZEL94 on the conversion by
# code and comes back with "Voltar"; then looks up the titles of ZEL2002
# holding "biomedicos", converts the family found to CIUO88 and comes back to
# the list of titles. Every screen is a window of its own with the same
# title, so each step is checked by which window is on view; no notice may
# appear on the way.
set -euo pipefail
source "$(dirname "$0")/x11.sh"
iniciar_x
iniciar_programa

titulo="Bem-vindo a ZEL2002"

# The one main window on view (waits until there is exactly one and it is
# not $1).
janela_nova() {
    local ids
    for _ in $(seq 100); do
        mapfile -t ids < <(xdotool search --onlyvisible --name "$titulo" 2>/dev/null || true)
        if [ "${#ids[@]}" -eq 1 ] && [ "${ids[0]}" != "${1:-}" ]; then
            echo "${ids[0]}"
            return 0
        fi
        sleep 0.1
    done
    echo "nenhuma tela nova à vista (antes: ${1:-nenhuma})" >&2
    return 1
}

# Fails when a notice (212 x 107) is on view.
sem_aviso() {
    local id p
    for id in $(xdotool search --onlyvisible --class zel2002 2>/dev/null || true); do
        mapfile -t p < <(geometria "$id")
        if [ "${p[2]}x${p[3]}" = "212x107" ]; then
            echo "apareceu um aviso ($1)" >&2
            exit 1
        fi
    done
}

# Opens the drop-down list at window point ($2, $3) and takes its entry
# number $4 (from 1). The open list may put any entry under the pointer:
# Home goes to the first.
escolher() {
    clicar "$1" "$2" "$3"
    sleep 0.3
    xdotool key Home
    for _ in $(seq 2 "$4"); do xdotool key Down; done
    xdotool key Return
    sleep 0.2
}

inicial=$(janela_nova)

# Conversion by code: De ZEL2002, code 2212, Para ZEL94 (whose list then
# holds ZEL94 and CIUO88).
clicar "$inicial" 687 51            # toolbar "Tábua de Conversão da ZEL" at 680,44
tabua=$(janela_nova "$inicial")
escolher "$tabua" 146 184 1         # "De" at 80,52 in the group at 16,122
clicar "$tabua" 352 182             # code box at 276,52 in the group
xdotool type --delay 50 2212
escolher "$tabua" 540 184 1         # "Para" at 474,52 in the group
clicar "$tabua" 636 183             # OK at 607,53 in the group
resultado=$(janela_nova "$tabua")
sem_aviso "conversão por código"
[ -n "${CAPTURAS:-}" ] && import -window "$resultado" "$CAPTURAS/e2e_resposta_codigo.png"

clicar "$resultado" 682 411         # "Voltar" at 664,402
volta=$(janela_nova "$resultado")
[ "$volta" = "$tabua" ] || { echo "Voltar não levou à conversão por código" >&2; exit 1; }

# Conversion by title: base ZEL2002, "biomedicos", the family found to CIUO88.
clicar "$tabua" 640 104             # link "por base-título" at 613,98
busca=$(janela_nova "$tabua")
escolher "$busca" 156 188 1         # "Base" at 90,52 in the group at 16,126
clicar "$busca" 376 186             # title box at 260,52 in the group
xdotool type --delay 50 biomedicos
clicar "$busca" 599 188             # "Procurar" at 553,53 in the group
titulos=$(janela_nova "$busca")
sem_aviso "busca de títulos"
escolher "$titulos" 562 151 2       # target list of row 1 at 512,141: ZEL94, CIUO88
clicar "$titulos" 642 151           # OK of row 1 at 630,143
convertido=$(janela_nova "$titulos")
sem_aviso "conversão do título"
[ "$convertido" = "$resultado" ] || { echo "a conversão do título não foi listada" >&2; exit 1; }
[ -n "${CAPTURAS:-}" ] && import -window "$convertido" "$CAPTURAS/e2e_resposta_titulo.png"

clicar "$convertido" 682 411        # "Voltar" leads to the list of titles
volta=$(janela_nova "$convertido")
[ "$volta" = "$titulos" ] || { echo "Voltar não levou à lista de títulos" >&2; exit 1; }

echo "ok"
