#!/usr/bin/env bash
# The program in a Wayland session (the weston compositor, shown in our own X
# server so that xdotool can drive its pointer):
# - with an X display beside it (XWayland), the program runs through X11,
#   where its borderless windows can place themselves;
# - without one, it runs on Wayland itself instead of aborting; a press on
#   the top band hands the window's move to the compositor (a window cannot
#   move itself there), and the program goes on answering clicks after it;
#   the notice and the exit question belong to the screen they answer, even
#   when the click that opened them came before the compositor had made that
#   screen the active window; "Sim" ends the program with status 0.
# weston's kiosk shell centres each window on its output, which tells where
# to click. Skipped (status 77) without weston or Qt's Wayland platform.
set -euo pipefail
source "$(dirname "$0")/x11.sh"
precisa weston
qt_plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)
[ -e "$qt_plugins/platforms/libqwayland-generic.so" ] ||
    { echo "sem a plataforma Wayland do Qt: teste ignorado"; exit 77; }
source "$(dirname "$0")/telas_busca.sh"
iniciar_x

runtime=$(mktemp -d)
chmod 700 "$runtime"
trap 'encerrar_programa; encerrar_processo "${weston_pid:-}"; encerrar_x; rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime" XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=KDE
weston --backend=x11-backend.so --shell=kiosk-shell.so --width="$largura" --height="$altura" \
    --socket=zel --idle-time=0 >"$runtime/weston.log" 2>&1 &
weston_pid=$!
esperar test -S "$runtime/zel" || falha "o weston não iniciou: $(tail -n 3 "$runtime/weston.log")"
export WAYLAND_DISPLAY=zel

# With an X display: an X11 window.
iniciar_programa
esperar_janela "Bem-vindo a ZEL2002" >/dev/null
encerrar_programa

# Without one: on Wayland. The protocol's log (WAYLAND_DEBUG) tells what the
# program asks of the compositor.
log="$runtime/programa.log"
env -u DISPLAY WAYLAND_DEBUG=1 "$programa" 2>"$log" &
programa_pid=$!
no_log() { grep -c -- "$1" "$log" || true; }
# Whether the log's last line matching $2 comes after its last matching $1.
depois() {
    local a b
    a=$(grep -n -- "$1" "$log" | tail -n1 | cut -d: -f1)
    b=$(grep -n -- "$2" "$log" | tail -n1 | cut -d: -f1)
    [ -n "$a" ] && [ -n "$b" ] && [ "$b" -gt "$a" ]
}
# A dialog just asked for has the keyboard: it is on view.
dialogo_com_teclado() { esperar depois 'set_parent(' 'wl_keyboard@[0-9]*.enter('; }
esperar grep -q 'set_title("Bem-vindo a ZEL2002' "$log" ||
    falha "a tela inicial não apareceu: $(grep -v '^\[' "$log" | tail -n 3)"
esperar grep -q 'xdg_toplevel@[0-9]*.configure' "$log" || falha "a tela inicial não foi configurada"
sleep 0.5

# The kiosk shell centres the 713 x 460 screen; X, Y are its top-left corner.
X=$(( (largura - 713) / 2 ))
Y=$(( (altura - 460) / 2 ))
apontar() { xdotool mousemove $(( X + $1 )) $(( Y + $2 )); sleep 0.2; }

apontar 250 10
xdotool mousedown 1
esperar grep -q 'xdg_toplevel@[0-9]*.move(' "$log" || falha "a banda não pediu ao compositor que movesse a janela"
xdotool mouseup 1

# The empty title box's "Procurar": a notice over the screen; Enter closes it.
apontar 564 348
xdotool click 1
esperar test "$(no_log 'set_parent(xdg_toplevel')" = 1 ||
    falha "o aviso não apareceu sobre a tela (depois do movimento, a tela não responde?)"
dialogo_com_teclado || falha "o aviso não recebeu o teclado"
xdotool key Return
esperar depois 'set_parent(' 'xdg_toplevel@[0-9]*.destroy()' || falha "o aviso não fechou"
sleep 0.3

# The close button, at once: the question over the screen, and "Sim".
apontar 700 9
xdotool click 1
esperar test "$(no_log 'set_parent(xdg_toplevel')" = 2 || falha "a pergunta de saída não apareceu sobre a tela"
dialogo_com_teclado || falha "a pergunta não recebeu o teclado"
sleep 0.3
xdotool mousemove $(( (largura - 212) / 2 + 64 )) $(( (altura - 94) / 2 + 67 ))
sleep 0.2
xdotool click 1
esperar_fim
[ "$status_fim" = "0" ] || falha "status de saída $status_fim"
echo "ok"
