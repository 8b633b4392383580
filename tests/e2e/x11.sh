#!/usr/bin/env bash
# Helpers for end-to-end tests under a real X server (Xvfb, no window
# manager): the program runs as a user would start it, and xdotool moves
# and clicks the pointer. Each test starts a server of its own, so the tests
# can run side by side. A test without the tools it needs is skipped
# (status 77), not failed.
set -euo pipefail

programa="$1"
largura=1280
altura=1024

# Ends the test as skipped when one of the given programs is not installed.
precisa() {
    local ferramenta
    for ferramenta in "$@"; do
        command -v "$ferramenta" >/dev/null || { echo "sem $ferramenta: teste ignorado"; exit 77; }
    done
}
precisa Xvfb xdotool xdpyinfo xwininfo xprop

# Starts a server of its own on a display number drawn from a wide range, so
# that tests side by side do not meet on one number; the display is used
# once its lock holds our server's process number and the server answers,
# and the server is started again on another number otherwise. -noreset: a
# server resets itself when its last client leaves (here, the check's own
# connection), and a program that connects during the reset finds no server.
iniciar_x() {
    local numero=
    for _ in $(seq 10); do
        numero=$(( 100 + (RANDOM * 32768 + RANDOM + $$) % 9000 ))
        [ -e "/tmp/.X$numero-lock" ] && continue
        Xvfb ":$numero" -screen 0 "${largura}x${altura}x24" -nolisten tcp -noreset >/dev/null 2>&1 &
        xvfb_pid=$!
        servidor_pronto "$numero" && break
        encerrar_x
        numero=
    done
    [ -n "$numero" ] || { echo "Xvfb não iniciou" >&2; exit 1; }
    export DISPLAY=":$numero"
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY
    trap 'encerrar_programa; encerrar_x' EXIT
}

# Whether the server $xvfb_pid owns display $1 and answers on it (up to 10 s).
servidor_pronto() {
    local dono
    for _ in $(seq 100); do
        kill -0 "$xvfb_pid" 2>/dev/null || return 1
        dono=$({ tr -d ' \n' <"/tmp/.X$1-lock"; } 2>/dev/null || true)
        if [ "$dono" = "$xvfb_pid" ] && xdpyinfo -display ":$1" >/dev/null 2>&1; then
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# Ends process $1 and waits until it has ended (killed after 5 s).
encerrar_processo() {
    [ -n "${1:-}" ] || return 0
    kill "$1" 2>/dev/null || return 0
    for _ in $(seq 50); do
        kill -0 "$1" 2>/dev/null || { wait "$1" 2>/dev/null || true; return 0; }
        sleep 0.1
    done
    kill -9 "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

# The server is gone, lock and socket included, before the next test starts.
encerrar_x() {
    encerrar_processo "${xvfb_pid:-}"
    xvfb_pid=
}

encerrar_programa() {
    encerrar_processo "${programa_pid:-}"
    programa_pid=
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

# Waits for the program to end; sets status_fim to its exit status. Run in
# the test's own shell, never in a command substitution: only the shell that
# started the program can wait for it, and a subshell saw it end without
# learning its status.
esperar_fim() {
    for _ in $(seq 100); do
        if ! kill -0 "$programa_pid" 2>/dev/null; then
            status_fim=0
            wait "$programa_pid" || status_fim=$?
            programa_pid=
            return 0
        fi
        sleep 0.1
    done
    echo "o programa não terminou" >&2
    return 1
}

# Whether a drop-down list of the program is open: a window of its own that
# the window manager never sees (override-redirect) and that is not a
# tooltip.
lista_aberta() {
    local id
    for id in $(xdotool search --onlyvisible --class zel2002 2>/dev/null); do
        xwininfo -id "$id" 2>/dev/null | grep -q "Override Redirect State: yes" || continue
        xprop -id "$id" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q TOOLTIP && continue
        return 0
    done
    return 1
}
lista_fechada() { ! lista_aberta; }

# Runs "$@" until it succeeds, for up to 10 seconds.
esperar() {
    for _ in $(seq 100); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}
