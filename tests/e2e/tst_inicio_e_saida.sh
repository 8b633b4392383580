#!/usr/bin/env bash
# The program starts with one 713 x 460 window centred on the screen, with
# the program's icon; the close button, then "Sim", ends it with exit status 0.
set -euo pipefail
source "$(dirname "$0")/x11.sh"
iniciar_x
iniciar_programa

janela=$(esperar_janela "Bem-vindo a ZEL2002")
mapfile -t g < <(geometria "$janela")
esperado_x=$(( (largura - 713) / 2 ))
esperado_y=$(( (altura - 460) / 2 ))
[ "${g[2]}x${g[3]}" = "713x460" ] || { echo "tamanho ${g[2]}x${g[3]}" >&2; exit 1; }
[ "${g[0]},${g[1]}" = "$esperado_x,$esperado_y" ] || { echo "posição ${g[0]},${g[1]}" >&2; exit 1; }
# Taskbars and window switchers show the program's icon.
xprop -id "$janela" _NET_WM_ICON | grep -q "_NET_WM_ICON(CARDINAL)" ||
    { echo "a janela não tem ícone" >&2; exit 1; }
visiveis=$(xdotool search --onlyvisible --name "Bem-vindo a ZEL2002" | wc -l)
[ "$visiveis" -eq 1 ] || { echo "$visiveis janelas visíveis" >&2; exit 1; }

clicar "$janela" 700 9            # close button at 695,4 (10 x 10)
pergunta=""
for _ in $(seq 100); do
    pergunta=$(xdotool search --onlyvisible --class zel2002 | while read -r id; do
        mapfile -t p < <(geometria "$id")
        [ "${p[2]}x${p[3]}" = "212x94" ] && echo "$id"
    done | head -n1)
    [ -n "$pergunta" ] && break
    sleep 0.1
done
[ -n "$pergunta" ] || { echo "a pergunta de saída não apareceu" >&2; exit 1; }
clicar "$pergunta" 60 68          # "Sim" at 36,59 (61 x 19)
esperar_fim
[ "$status_fim" = "0" ] || { echo "status de saída $status_fim" >&2; exit 1; }
echo "ok"
