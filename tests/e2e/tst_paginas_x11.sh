#!/usr/bin/env bash
# The toolbar's information and regulation buttons open their page screens
# at the shared place, each showing its own page, without an error message; a
# missing page gives the error message box and leaves the screen on view,
# usable, with nothing in its viewer.
set -euo pipefail
source "$(dirname "$0")/x11.sh"
source "$(dirname "$0")/telas_busca.sh"
caixa_de_erro="^ZEL2000"   # the error box bears only the application title

# The page's title, in the pages' orange, at the top of the viewer (683 x 40
# from 13,$2).
mostra_pagina() {
    [ "$(pixels "$1" 13 "$2" 683 40 '#CC6600')" -gt 50 ]
}

iniciar_x
compilacao="$(dirname "$programa")"

# The program as built, with its pages.
iniciar_programa
esperar_inicial
informacoes=$(ir_por "$inicial" 655 51)          # obj_Bt_Info at 648,44 (14 x 14)
sem_aviso
mostra_pagina "$informacoes" 102 || falha "a página de informações não aparece"
regulamentacao=$(ir_por "$informacoes" 671 51)   # obj_Bt_Regula at 664,44
[ "$regulamentacao" != "$inicial" ] || falha "voltou à tela inicial"
sem_aviso
mostra_pagina "$regulamentacao" 110 || falha "a página de regulamentação não aparece"
[ "$(imagem "$regulamentacao" 13 110 683 294)" != "$(imagem "$informacoes" 13 102 683 294)" ] ||
    falha "as duas telas mostram a mesma página"
[ "$(ir_por "$regulamentacao" 655 51)" = "$informacoes" ] || falha "outra tela de informações"
encerrar_programa

# Installed in a directory with capitals, its regulation page missing.
temporario=$(mktemp -d)
trap 'encerrar_programa; encerrar_x; rm -rf "$temporario"' EXIT
instalacao="$temporario/Programa ZEL"
mkdir -p "$instalacao/html"
cp "$programa" "$instalacao/"
ln -s "$compilacao/dados" "$instalacao/dados"
cp "$compilacao"/html/*.htm "$compilacao"/html/*.css "$instalacao/html/"
ln -s "$compilacao/html/imagens" "$instalacao/html/imagens"
rm "$instalacao/html/regulamentacao.htm"
programa="$instalacao/$(basename "$programa")"
iniciar_programa
esperar_inicial
informacoes=$(ir_por "$inicial" 655 51)          # the information page is there
sem_aviso
clicar "$informacoes" 671 51                     # the regulation page is not
caixa=$(esperar_janela "$caixa_de_erro")
# The box comes up while the regulation screen is being activated, before
# the information screen is hidden.
xdotool windowfocus --sync "$caixa" key Return
for _ in $(seq 50); do
    tela_visivel >/dev/null && break
    sleep 0.1
done
sem_aviso
regulamentacao=$(tela_visivel) || falha "nenhuma tela à vista"
[ "$regulamentacao" != "$informacoes" ] || falha "ficou a tela de informações"
[ "$(pixels "$regulamentacao" 13 110 683 294 '#CC6600')" -eq 0 ] || falha "o visualizador não está vazio"
# Usable: its home button leads home.
[ "$(ir_por "$regulamentacao" 623 51)" = "$inicial" ] || falha "não voltou à tela inicial"
echo "ok"
