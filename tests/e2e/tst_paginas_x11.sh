#!/usr/bin/env bash
# The toolbar's information and regulation buttons open their page screens
# at the place of the screen they leave, without any error message; a missing
# page gives the error message box and leaves a usable screen.
set -euo pipefail
source "$(dirname "$0")/x11.sh"
titulo="Bem-vindo a ZEL2002"
caixa_de_erro="^ZEL2000"   # the error box bears only the application title

# The one visible main screen other than $1; fails if none comes up, or if
# $1 is still visible.
esperar_troca() {
    local id visiveis
    for _ in $(seq 100); do
        mapfile -t visiveis < <(xdotool search --onlyvisible --name "$titulo" 2>/dev/null || true)
        if [ "${#visiveis[@]}" -eq 1 ] && [ "${visiveis[0]}" != "$1" ]; then
            echo "${visiveis[0]}"
            return 0
        fi
        sleep 0.1
    done
    echo "a tela não trocou (${#visiveis[@]} visíveis)" >&2
    return 1
}

sem_caixa_de_erro() {
    sleep 0.5
    if xdotool search --onlyvisible --name "$caixa_de_erro" >/dev/null 2>&1; then
        echo "apareceu uma caixa de erro" >&2
        exit 1
    fi
}

mesmo_lugar() {
    local a b
    mapfile -t a < <(geometria "$1")
    mapfile -t b < <(geometria "$2")
    [ "${a[*]}" = "${b[*]}" ] || { echo "geometria ${b[*]} em vez de ${a[*]}" >&2; exit 1; }
}

iniciar_x
compilacao="$(dirname "$programa")"

# The program as built, with its pages.
iniciar_programa
inicial=$(esperar_janela "$titulo")
clicar "$inicial" 655 51            # obj_Bt_Info at 648,44 (14 x 14)
informacoes=$(esperar_troca "$inicial")
sem_caixa_de_erro
mesmo_lugar "$inicial" "$informacoes"
clicar "$informacoes" 671 51        # obj_Bt_Regula at 664,44
regulamentacao=$(esperar_troca "$informacoes")
[ "$regulamentacao" != "$inicial" ] || { echo "voltou à tela inicial" >&2; exit 1; }
sem_caixa_de_erro
mesmo_lugar "$inicial" "$regulamentacao"
clicar "$regulamentacao" 655 51     # back to the information page: the same screen
[ "$(esperar_troca "$regulamentacao")" = "$informacoes" ] || { echo "outra tela de informações" >&2; exit 1; }
sem_caixa_de_erro
kill "$programa_pid"
wait "$programa_pid" 2>/dev/null || true

# Installed in a directory with capitals, its regulation page missing.
temporario=$(mktemp -d)
trap 'rm -rf "$temporario"; kill "$xvfb_pid" 2>/dev/null || true; [ -n "${programa_pid:-}" ] && kill "$programa_pid" 2>/dev/null || true' EXIT
instalacao="$temporario/Programa ZEL"
mkdir -p "$instalacao/html"
cp "$programa" "$instalacao/"
ln -s "$compilacao/dados" "$instalacao/dados"
cp "$compilacao"/html/*.htm "$compilacao"/html/*.css "$instalacao/html/"
ln -s "$compilacao/html/imagens" "$instalacao/html/imagens"
rm "$instalacao/html/regulamentacao.htm"
programa="$instalacao/$(basename "$programa")"
iniciar_programa
inicial=$(esperar_janela "$titulo")
clicar "$inicial" 655 51            # the information page is there
informacoes=$(esperar_troca "$inicial")
sem_caixa_de_erro
clicar "$informacoes" 671 51        # the regulation page is not
caixa=$(esperar_janela "$caixa_de_erro")
# The box comes up while the regulation screen is being activated, before
# the information screen is hidden.
xdotool windowfocus --sync "$caixa" key Return
for _ in $(seq 50); do
    xdotool search --onlyvisible --name "$caixa_de_erro" >/dev/null 2>&1 || break
    sleep 0.1
done
sem_caixa_de_erro
regulamentacao=$(esperar_troca "$informacoes")
# The regulation screen stays on view and usable: its home button leads home.
clicar "$regulamentacao" 623 51     # obj_Bt_Home at 616,44
[ "$(esperar_troca "$regulamentacao")" = "$inicial" ] || { echo "não voltou à tela inicial" >&2; exit 1; }
echo "ok"
