#!/usr/bin/env bash
# A walk through the program as a user makes it: a quick search, a family and
# its three views, the four search screens, the information and regulation
# pages, the two conversion screens, the About screen, and the exit. Every
# step lands on another screen at the shared place with no notice on the way.
set -euo pipefail
source "$(dirname "$0")/x11.sh"
source "$(dirname "$0")/telas_busca.sh"
iniciar_x
iniciar_programa

esperar_inicial
clicar "$inicial" 450 27                # quick search box at 397,19
xdotool type --delay 30 medico
xdotool key Return
resultado=$(esperar_outra_tela "$inicial")
sem_aviso
duplo_clique "$resultado" 200 159       # first row of the results
descricao=$(esperar_outra_tela "$resultado")
conferir_descricao "$descricao"
caracteristicas=$(ir_por "$descricao" 60 162)      # ":: Características do Trabalho" at 22,157
conversao=$(ir_por "$caracteristicas" 50 185)      # ":: Conversão" at 22,180
de_volta=$(ir_por "$conversao" 45 139)             # ":: Descrição" at 22,134
[ "$de_volta" = "$descricao" ] || falha "o menu da família não voltou à descrição"

busca=$(ir_por "$descricao" 639 51)     # toolbar "Busca" at 632,44
codigo=$(ir_por "$busca" 470 101)       # "por código" at 445,95
estrutura=$(ir_por "$codigo" 540 101)   # "por estrutura" at 522,95
az=$(ir_por "$estrutura" 640 101)       # "por títulos de AZ" at 612,95
titulo_de_novo=$(ir_por "$az" 395 101)  # "por título" at 376,95
[ "$titulo_de_novo" = "$busca" ] || falha "o link por título não voltou à busca por título"

informacoes=$(ir_por "$busca" 655 51)   # toolbar "Informações da ZEL" at 648,44
regulamentacao=$(ir_por "$informacoes" 671 51)     # toolbar "Regulamentação" at 664,44
tabua=$(ir_por "$regulamentacao" 687 51)           # toolbar "Tábua de Conversão" at 680,44
tabua_titulo=$(ir_por "$tabua" 640 104)            # "por base-título" at 613,98
casa=$(ir_por "$tabua_titulo" 623 51)              # toolbar "Tela Inicial" at 616,44
[ "$casa" = "$inicial" ] || falha "o botão da tela inicial não voltou a ela"

# The About screen opens over the home screen and closes on its OK.
clicar "$inicial" 676 9                 # About button at 671,4
sobre_visivel() {
    xdotool search --onlyvisible --class zel2002 | while read -r id; do
        mapfile -t g < <(geometria "$id")
        [ "${g[2]}x${g[3]}" = "483x330" ] && echo "$id"
    done | head -n1
}
sobre_aberto() { [ -n "$(sobre_visivel)" ]; }
esperar sobre_aberto || falha "a tela Sobre não abriu"
sobre=$(sobre_visivel)
clicar "$sobre" 238 295                 # OK at 208,286
sobre_fechado() { [ -z "$(sobre_visivel)" ]; }
esperar sobre_fechado || falha "a tela Sobre não fechou"
[ "$(tela_visivel)" = "$inicial" ] || falha "a tela inicial não ficou à vista"
echo "ok"
