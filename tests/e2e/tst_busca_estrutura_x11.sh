#!/usr/bin/env bash
# From the search links to the structure browser: a major group, a
# principal subgroup and a subgroup chosen in the real drop-down lists, the
# new-search button, and again down to a family opened by a double click.
set -euo pipefail
source "$(dirname "$0")/x11.sh"
source "$(dirname "$0")/telas_busca.sh"
iniciar_x
iniciar_programa

# Each list (group box at 16,110; lists at 192 and tops 31, 62, 92) opens
# with a click; the keys choose an entry once it is open, and the next step
# waits until it has closed.
escolher() {
    clicar "$estrutura" 400 "$1"
    esperar lista_aberta || falha "a lista em $1 não abriu"
    xdotool key Down Return
    esperar lista_fechada || falha "a lista em $1 não fechou"
}
escolher_ate_familias() {
    escolher 151
    escolher 182
    escolher 212
}
# The family grid's header, at 16+22, 110+126+1.
cabecalho_visivel() {
    [ "$(pixels "$estrutura" 38 237 644 17 '#FEEEBD')" -gt 5000 ]
}

esperar_inicial
busca=$(ir_por "$inicial" 639 51)    # toolbar "Busca" at 632,44
estrutura=$(ir_por "$busca" 540 101)    # "por estrutura" at 522,95
cabecalho_visivel && falha "lista de famílias antes da escolha"
escolher_ate_familias
esperar cabecalho_visivel || falha "nenhuma lista de famílias"

clicar "$estrutura" 629 354             # "Nova Busca" at 16+22+555, 110+126+110
sem_cabecalho() { ! cabecalho_visivel; }
esperar sem_cabecalho || falha "a lista de famílias ficou depois da nova busca"

escolher_ate_familias
esperar cabecalho_visivel || falha "nenhuma lista de famílias depois da nova busca"
duplo_clique "$estrutura" 200 262       # first family row
familia=$(esperar_outra_tela "$estrutura")
conferir_descricao "$familia"
echo "ok"
