#!/usr/bin/env bash
# Helpers of the end-to-end tests of the search screens, sourced after
# x11.sh: every main screen is a window of its own titled "Bem-vindo a
# ZEL2002", exactly one of them visible at a time, all at one shared place.

precisa import

titulo="Bem-vindo a ZEL2002"

falha() {
    echo "$*" >&2
    exit 1
}

# The visible main window; fails when there is not exactly one.
tela_visivel() {
    local ids
    mapfile -t ids < <(xdotool search --onlyvisible --name "$titulo" 2>/dev/null || true)
    [ "${#ids[@]}" -eq 1 ] || return 1
    echo "${ids[0]}"
}

# No notice (a window of its own) is on view: only the one main window. A
# tooltip (a cell's whole text under a resting pointer) is no window of the
# program's own: the window manager never sees it (override-redirect).
sem_aviso() {
    local visiveis
    visiveis=$(xdotool search --onlyvisible --class zel2002 2>/dev/null | while read -r id; do
        xwininfo -id "$id" 2>/dev/null | grep -q "Override Redirect State: no" && echo "$id"
    done | wc -l)
    [ "$visiveis" -eq 1 ] || falha "$visiveis janelas visíveis: um aviso?"
}

# Waits until a main window other than $1 is the visible one, at the place
# of the first screen ($lugar, set by lembrar_lugar); prints its id.
esperar_outra_tela() {
    local id g
    for _ in $(seq 100); do
        id=$(tela_visivel || true)
        if [ -n "$id" ] && [ "$id" != "$1" ]; then
            mapfile -t g < <(geometria "$id")
            [ "${g[0]},${g[1]}" = "$lugar" ] || falha "tela $id em ${g[0]},${g[1]}, não em $lugar"
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    falha "nenhuma outra tela apareceu depois de $1"
}

lembrar_lugar() {
    local g
    mapfile -t g < <(geometria "$1")
    lugar="${g[0]},${g[1]}"
}

# Clicks at $2,$3 in window $1 and waits for the screen it leads to.
ir_por() {
    clicar "$1" "$2" "$3"
    esperar_outra_tela "$1"
}

duplo_clique() {
    local g
    mapfile -t g < <(geometria "$1")
    xdotool mousemove $(( g[0] + $2 )) $(( g[1] + $3 )) click --repeat 2 --delay 80 1
}

# How many pixels of colour $6 (#RRGGBB) the rectangle $2,$3 $4 x $5 of
# window $1 holds.
pixels() {
    import -window "$1" -crop "$4x$5+$2+$3" -depth 8 txt:- | grep -ci " $6 " || true
}

# A checksum of what the rectangle $2,$3 $4 x $5 of window $1 shows.
imagem() {
    import -window "$1" -crop "$4x$5+$2+$3" -depth 8 rgb:- | md5sum
}

# Waits for the home screen ($inicial) and takes its place as the shared one.
esperar_inicial() {
    inicial=$(esperar_janela "$titulo")
    lembrar_lugar "$inicial"
}

# Window $1 is the family description: its family menu marks the current
# view, ":: Descrição" at 22,134, in #CC6600.
conferir_descricao() {
    [ "$(pixels "$1" 22 134 80 14 '#CC6600')" -gt 10 ] ||
        falha "a tela $1 não é a descrição da família"
}
