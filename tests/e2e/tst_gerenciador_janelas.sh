#!/usr/bin/env bash
# The program under a real window manager (openbox): minimised with its
# button and restored from the task bar, a screen shown again later comes
# up in its normal state; a close request of the window manager (Alt+F4) on
# a main screen asks whether to end the program, on the About screen closes
# only the About screen; the program never runs on without a window.
# Skipped (status 77) when openbox or the X tools are not installed.
set -euo pipefail
source "$(dirname "$0")/x11.sh"
precisa openbox
source "$(dirname "$0")/telas_busca.sh"
iniciar_x

# The window manager, with a configuration of its own (its defaults bind
# Alt+F4 to closing the active window) and no session manager.
config=$(mktemp -d)
trap 'encerrar_programa; encerrar_processo "${wm_pid:-}"; encerrar_x; rm -rf "$config"' EXIT
XDG_CONFIG_HOME="$config" openbox --sm-disable >/dev/null 2>&1 &
wm_pid=$!
esperar xprop -root _NET_SUPPORTING_WM_CHECK >/dev/null 2>&1 ||
    falha "o gerenciador de janelas não iniciou"
esperar sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
    falha "o gerenciador de janelas não iniciou"

iniciar_programa
inicial=$(esperar_janela "$titulo")
lembrar_lugar "$inicial"

visivel() { xwininfo -id "$1" 2>/dev/null | grep -q "Map State: IsViewable"; }
fechada() { ! visivel "$1"; }
# The only window of the program on view with the given size; prints its id.
janela_de() {
    xdotool search --onlyvisible --class zel2002 2>/dev/null | while read -r id; do
        mapfile -t g < <(geometria "$id" 2>/dev/null)
        [ "${g[2]}x${g[3]}" = "$1" ] && echo "$id"
    done | head -n1
}
esperar_janela_de() {
    local id
    for _ in $(seq 100); do
        id=$(janela_de "$1")
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    falha "nenhuma janela $1 apareceu"
}
vivo() { kill -0 "$programa_pid" 2>/dev/null || falha "o programa terminou"; }
# Alt+F4 on window $1, made the active one first.
alt_f4() {
    xdotool windowactivate --sync "$1"
    xdotool key --clearmodifiers alt+F4
}

# Minimise, restore from the task bar, go to the title search and back.
esperar visivel "$inicial" || falha "a tela inicial não apareceu"
clicar "$inicial" 688 9
esperar fechada "$inicial" || falha "a tela não foi minimizada"
xdotool windowactivate "$inicial"
esperar visivel "$inicial" || falha "a tela não voltou da barra de tarefas"
clicar "$inicial" 639 51
busca=$(esperar_outra_tela "$inicial")
esperar visivel "$busca" || falha "a busca não apareceu"
clicar "$busca" 623 51
esperar visivel "$inicial" || falha "a tela inicial voltou minimizada"
[ "$(tela_visivel)" = "$inicial" ] || falha "não há uma só tela visível"
xprop -id "$inicial" _NET_WM_STATE | grep -q HIDDEN && falha "a tela inicial está oculta"

# Alt+F4 on a main screen asks; "Não" keeps everything.
alt_f4 "$inicial"
pergunta=$(esperar_janela_de 212x94)
vivo
clicar "$pergunta" 146 68
esperar fechada "$pergunta" || falha "a pergunta não fechou"
vivo
visivel "$inicial" || falha "a tela inicial sumiu"

# Alt+F4 on the About screen closes it; the screen below stays.
clicar "$inicial" 676 9
sobre=$(esperar_janela_de 483x330)
alt_f4 "$sobre"
esperar fechada "$sobre" || falha "o Sobre não fechou"
vivo
visivel "$inicial" || falha "a tela inicial sumiu com o Sobre"

# With the About screen open, Alt+F4 on the screen below asks too; after
# "Não" and the About screen's OK the screen is still there.
clicar "$inicial" 676 9
sobre=$(esperar_janela_de 483x330)
alt_f4 "$inicial"
pergunta=$(esperar_janela_de 212x94)
clicar "$pergunta" 146 68
esperar fechada "$pergunta" || falha "a pergunta não fechou"
xdotool windowactivate --sync "$sobre" # in front of the screen again
clicar "$sobre" 238 295
esperar fechada "$sobre" || falha "o Sobre não fechou"
vivo
visivel "$inicial" || falha "o programa ficou sem janela"

# Alt+F4, then "Sim", ends the program.
alt_f4 "$inicial"
pergunta=$(esperar_janela_de 212x94)
clicar "$pergunta" 60 68
esperar_fim
[ "$status_fim" = "0" ] || falha "status de saída $status_fim"
echo "ok"
