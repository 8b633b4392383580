#!/usr/bin/env bash
# From the search links to the title A-Z index: it lists "a" at once; the
# letter "M" and a typed word each list other titles; a double click on a
# row opens the family description.
set -euo pipefail
source "$(dirname "$0")/x11.sh"
source "$(dirname "$0")/telas_busca.sh"
iniciar_x
iniciar_programa

# The grid's data rows, at 16+21, 110+53+17.
linhas() {
    imagem "$az" 37 180 644 187
}

esperar_inicial
busca=$(ir_por "$inicial" 639 51)    # toolbar "Busca" at 632,44
az=$(ir_por "$busca" 640 101)           # "por títulos de AZ" at 612,95
[ "$(pixels "$az" 37 163 644 17 '#FEEEBD')" -gt 5000 ] || falha "sem cabeçalho na grade"
lista_a=$(linhas)

clicar "$az" 494 145                    # "M" at 16+472, 110+29
mudou_de() { [ "$(linhas)" != "$1" ]; }
esperar mudou_de "$lista_a" || falha "a letra M não mudou a lista"
lista_m=$(linhas)

clicar "$az" 150 144                    # word box at 16+81, 110+28
xdotool type "tecnico"                # ASCII: xdotool may drop a remapped "é"
xdotool key Return
esperar mudou_de "$lista_m" || falha "a palavra não mudou a lista"
sem_aviso
[ "$(tela_visivel)" = "$az" ] || falha "a busca mudou de tela"

duplo_clique "$az" 200 188              # first row
familia=$(esperar_outra_tela "$az")
conferir_descricao "$familia"
echo "ok"
