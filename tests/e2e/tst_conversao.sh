#!/usr/bin/env bash
# A user converts the family 0232 from ZEL2002 to ZEL94 on the conversion by
# code and comes back with "Voltar"; then looks up the titles of ZEL2002
# holding "biomedicos", converts the family found to CIUO88 and comes back to
# the list of titles. Each step is checked by the screen on view, at the
# shared place, with no notice on the way.
set -euo pipefail
source "$(dirname "$0")/x11.sh"
source "$(dirname "$0")/telas_busca.sh"
iniciar_x
iniciar_programa

# Opens the drop-down list at window point ($2, $3) and takes its entry
# number $4 (from 1) once it is open. The open list may put any entry under
# the pointer: Home goes to the first.
escolher() {
    clicar "$1" "$2" "$3"
    esperar lista_aberta || falha "a lista em $2,$3 não abriu"
    xdotool key Home
    for _ in $(seq 2 "$4"); do xdotool key Down; done
    xdotool key Return
    esperar lista_fechada || falha "a lista em $2,$3 não fechou"
}

esperar_inicial

# Conversion by code: De ZEL2002, code 0232, Para ZEL94 (whose list then
# holds ZEL94 and CIUO88).
tabua=$(ir_por "$inicial" 687 51)       # toolbar "Tábua de Conversão da ZEL" at 680,44
escolher "$tabua" 146 184 1             # "De" at 80,52 in the group at 16,122
clicar "$tabua" 352 182                 # code box at 276,52 in the group
xdotool type --delay 50 0232
escolher "$tabua" 540 184 1             # "Para" at 474,52 in the group
resultado=$(ir_por "$tabua" 636 183)    # OK at 607,53 in the group
sem_aviso
[ -n "${CAPTURAS:-}" ] && import -window "$resultado" "$CAPTURAS/e2e_resposta_codigo.png"
volta=$(ir_por "$resultado" 682 411)    # "Voltar" at 664,402
[ "$volta" = "$tabua" ] || falha "Voltar não levou à conversão por código"

# Conversion by title: base ZEL2002, "biomedicos", the family found to CIUO88.
busca=$(ir_por "$tabua" 640 104)        # link "por base-título" at 613,98
escolher "$busca" 156 188 1             # "Base" at 90,52 in the group at 16,126
clicar "$busca" 376 186                 # title box at 260,52 in the group
xdotool type --delay 50 biomedicos
titulos=$(ir_por "$busca" 599 188)      # "Procurar" at 553,53 in the group
sem_aviso
escolher "$titulos" 562 151 2           # target list of row 1 at 512,141: ZEL94, CIUO88
convertido=$(ir_por "$titulos" 642 151) # OK of row 1 at 630,143
sem_aviso
[ "$convertido" = "$resultado" ] || falha "a conversão do título não foi listada"
[ -n "${CAPTURAS:-}" ] && import -window "$convertido" "$CAPTURAS/e2e_resposta_titulo.png"
volta=$(ir_por "$convertido" 682 411)   # "Voltar" leads to the list of titles
[ "$volta" = "$titulos" ] || falha "Voltar não levou à lista de títulos"
echo "ok"
