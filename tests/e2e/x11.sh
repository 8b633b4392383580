#!/usr/bin/env bash
# Helpers for end-to-end tests under a real X server (Xvfb, no window
# manager): the program runs as a user would start it, and xdotool moves
# and clicks the pointer.
set -euo pipefail

programa="$1"
largura=1280
altura=1024

# Starts a server of its own on a free display. Servers that other tests start
# at the same moment may race for one display number and one of them may
# then end at once: the display is used only once it answers, and a server
# that ended is started again.
iniciar_x() {
    local numero
    for _ in 1 2 3 4 5; do
        exec {fd}<> <(:)
        Xvfb -displayfd "$fd" -screen 0 "${largura}x${altura}x24" -nolisten tcp >/dev/null 2>&1 &
        xvfb_pid=$!
        numero=
        read -r -t 20 numero <&"$fd" || true
        exec {fd}<&-
        if [ -n "$numero" ] && kill -0 "$xvfb_pid" 2>/dev/null &&
            xdpyinfo -display ":$numero" >/dev/null 2>&1; then
            break
        fi
        kill "$xvfb_pid" 2>/dev/null || true
        numero=
    done
    [ -n "$numero" ] || { echo "Xvfb não iniciou" >&2; exit 1; }
    export DISPLAY=":$numero"
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY
    trap 'kill "$xvfb_pid" 2>/dev/null || true; [ -n "${programa_pid:-}" ] && kill "$programa_pid" 2>/dev/null || true' EXIT
}

iniciar_programa() {
    "$programa" &
    programa_pid=$!
}

# Waits for a visible window whose title contains $1; prints its id.
esperar_janela() {
    local id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    echo "janela \"$1\" não apareceu" >&2
    return 1
}

# X, Y, WIDTH, HEIGHT of a window, one per line.
geometria() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4}
                             /Width:/{w=$2} /Height:/{h=$2} END{print x; print y; print w; print h}'
}

# Clicks at window-relative coordinates.
clicar() {
    local g
    mapfile -t g < <(geometria "$1")
    xdotool mousemove $(( g[0] + $2 )) $(( g[1] + $3 )) click 1
}

# Waits for the program to end; prints its exit status.
esperar_fim() {
    for _ in $(seq 100); do
        if ! kill -0 "$programa_pid" 2>/dev/null; then
            wait "$programa_pid" && echo 0 || echo $?
            programa_pid=
            return 0
        fi
        sleep 0.1
    done
    echo "o programa não terminou" >&2
    return 1
}

# Runs "$@" until it succeeds, for up to 10 seconds.
esperar() {
    for _ in $(seq 100); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}
