#!/usr/bin/env bash
# From the search links to the code search, a family code typed and sent
# with Enter, its results paged with the arrow, and a double click on a row
# that opens the family description, every screen at the shared place.
set -euo pipefail
source "$(dirname "$0")/x11.sh"
source "$(dirname "$0")/telas_busca.sh"
iniciar_x
iniciar_programa

esperar_inicial
busca=$(ir_por "$inicial" 639 51)    # toolbar "Busca" at 632,44
codigo=$(ir_por "$busca" 460 101)      # "por código" at 445,95
clicar "$codigo" 150 174                # code box at 16+107, 110+56
xdotool type 0121
xdotool key Return
resposta=$(esperar_outra_tela "$codigo")
sem_aviso
# The grid (16+21, 112+23) with its header and a full page.
[ "$(pixels "$resposta" 37 135 644 16 '#FEEEBD')" -gt 5000 ] || falha "sem cabeçalho na grade"
[ "$(pixels "$resposta" 37 151 644 208 '#FFF7DF')" -gt 50000 ] || falha "sem linhas na grade"

antes=$(imagem "$resposta" 37 151 644 208)
clicar "$resposta" 632 386              # next-page arrow at 16+611, 112+269
pagina_mudou() { [ "$(imagem "$resposta" 37 151 644 208)" != "$antes" ]; }
esperar pagina_mudou || falha "a seta não mudou a página"
[ "$(tela_visivel)" = "$resposta" ] || falha "a seta mudou de tela"

duplo_clique "$resposta" 200 159        # first row of page 2
familia=$(esperar_outra_tela "$resposta")
conferir_descricao "$familia"
echo "ok"
