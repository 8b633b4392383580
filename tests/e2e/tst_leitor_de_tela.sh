#!/usr/bin/env bash
# What a screen reader hears: the program runs under a real X server with the
# desktop's accessibility bus; a word is typed in the home screen's title box
# and Enter pressed with the keyboard; the first row of the results is then
# read from the bus: the table's count, its headers and the row's title,
# family code and kind, as the database lists them. Skipped (77) when the
# bus, its Python binding or the X tools are missing.
set -euo pipefail
source "$(dirname "$0")/x11.sh"
dados_ferramenta="$2"

precisa dbus-launch
lancador=/usr/libexec/at-spi-bus-launcher
[ -x "$lancador" ] || { echo "sem at-spi2-core: ignorado"; exit 77; }
/usr/bin/python3 -c "import pyatspi" 2>/dev/null || { echo "sem python3-pyatspi: ignorado"; exit 77; }

falha() { echo "$1" >&2; exit 1; }

# A word of plain letters from the titles, and the first row its search lists.
banco="$(dirname "$programa")/dados"
titulos=$("$dados_ferramenta" consultar "$banco" fncSqlBuscaRapida --busca "%")
palavra=$(awk -F'\t' 'NR > 1 { n = split($1, p, " ")
    for (i = 1; i <= n; i++) if (p[i] ~ /^[a-z][a-z][a-z][a-z][a-z]+$/) { print p[i]; exit } }' \
    <<<"$titulos")
[ -n "$palavra" ] || falha "nenhuma palavra nos títulos"
achados=$("$dados_ferramenta" consultar "$banco" fncSqlBuscaRapida --busca "%$palavra%")
esperada=$(sed -n 2p <<<"$achados")
total=$(( $(wc -l <<<"$achados") - 1 ))

iniciar_x
anterior=$(trap -p EXIT | sed "s/^trap -- '//; s/' EXIT\$//")
eval "$(dbus-launch --sh-syntax)"
"$lancador" --launch-immediately >/dev/null 2>&1 &
lancador_pid=$!
trap "encerrar_processo $lancador_pid; encerrar_processo $DBUS_SESSION_BUS_PID; $anterior" EXIT
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0

iniciar_programa
esperar_janela "Bem-vindo a ZEL2002" >/dev/null
# The title box has the focus when the program starts.
xdotool type --delay 20 "$palavra"
xdotool key Return

lido=$(/usr/bin/python3 "$(dirname "$0")/ler_tabela.py" "$programa_pid") ||
    falha "nenhuma tabela de resultados no barramento de acessibilidade"
mapfile -t linhas <<<"$lido"
echo "lido: ${linhas[*]}"

[[ "${linhas[0]}" == *"($total)"* ]] || falha "o nome da tabela não traz a contagem ($total): ${linhas[0]}"
[ "${linhas[1]}" = "Resultado de títulos encontrados ($total)	Famílias	Tipo" ] ||
    falha "cabeçalhos: ${linhas[1]}"
IFS=$'\t' read -r titulo codigo tipo <<<"$esperada"
IFS=$'\t' read -r lido_titulo lido_codigo lido_tipo <<<"${linhas[2]}"
[ "$lido_titulo" = "$titulo" ] || falha "título: $lido_titulo, esperado $titulo"
[ "$lido_codigo" = "$codigo" ] || falha "código: $lido_codigo, esperado $codigo"
[ "$(echo "$lido_tipo" | xargs)" = "$(echo "$tipo" | xargs)" ] || falha "tipo: $lido_tipo, esperado $tipo"
echo "1 passed, 0 failed"
