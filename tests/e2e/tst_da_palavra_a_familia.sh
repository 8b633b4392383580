#!/usr/bin/env bash
# From a word typed on the home screen to the description of a family: Enter
# lists the titles found, the arrows page through them, a double click on a
# row opens its family. Each step is seen in the pixels of the screen, read
# from the X server's frame buffer file.
set -euo pipefail
source "$(dirname "$0")/x11.sh"

quadro=$(mktemp -d)
# The X server keeps its screen in a file of $quadro (XWD format).
Xvfb() { exec Xvfb -fbdir "$quadro" "$@"; }
iniciar_x
anterior=$(trap -p EXIT | sed "s/^trap -- '//; s/' EXIT\$//")
trap "$anterior; rm -rf '$quadro'" EXIT
arquivo="$quadro/Xvfb_screen0"

# Field n of the file's header: 32-bit, most significant byte first.
campo() { od -An -tu4 --endian=big -j $(( $1 * 4 )) -N4 "$arquivo" | tr -d ' '; }
inicio_pixels=$(( $(campo 0) + $(campo 19) * 12 ))
bytes_linha=$(campo 12)

# Colour (rrggbb) of the pixel at window $1's coordinates $2, $3.
pixel() {
    local g b
    mapfile -t g < <(geometria "$1")
    read -r b < <(od -An -tx1 -N3 \
        -j $(( inicio_pixels + (g[1] + $3) * bytes_linha + (g[0] + $2) * 4 )) "$arquivo")
    set -- $b
    echo "$3$2$1"
}

# Checksum of the screen lines that show window $1's lines $2 to $3.
linhas() {
    local g
    mapfile -t g < <(geometria "$1")
    dd if="$arquivo" iflag=skip_bytes,count_bytes status=none \
        skip=$(( inicio_pixels + (g[1] + $2) * bytes_linha )) \
        count=$(( ($3 - $2 + 1) * bytes_linha )) | md5sum
}

# Runs "$@" every tenth of a second until it succeeds, 10 seconds at most.
esperar() {
    for _ in $(seq 100); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# Prints the id of the visible main window when it is not $1.
outra() {
    local id
    id=$(xdotool search --onlyvisible --name "Bem-vindo a ZEL2002" 2>/dev/null | head -n1 || true)
    [ -n "$id" ] && [ "$id" != "$1" ] && echo "$id"
}

cor() { [ "$(pixel "$1" "$2" "$3")" = "$4" ]; }
mudou() { [ "$(linhas "$1" "$2" "$3")" != "$4" ]; }
igual() { [ "$(linhas "$1" "$2" "$3")" = "$4" ]; }

longe() { xdotool mousemove 0 0; }

falha() { echo "$1" >&2; exit 1; }

iniciar_programa
inicial=$(esperar_janela "Bem-vindo a ZEL2002")
esperar cor "$inicial" 40 125 fff7df || falha "a página de boas-vindas não apareceu"

# The title box lies at 280, 32 in the group box at 16, 308.
clicar "$inicial" 340 348
xdotool type --delay 20 "medico"
xdotool key Return
resposta=$(esperar outra "$inicial") || falha "a lista de resultados não apareceu"
longe
esperar cor "$resposta" 45 140 feeebd || falha "a grade de resultados não apareceu"

# The grid's rows lie at 153 to 373; the arrows at 579 and 611, 269 in the
# group box at 16, 112.
pagina1=$(linhas "$resposta" 153 373)
clicar "$resposta" 632 386
longe
esperar mudou "$resposta" 153 373 "$pagina1" || falha "a seta seguinte não mudou a página"
clicar "$resposta" 600 386
longe
esperar igual "$resposta" 153 373 "$pagina1" || falha "a seta anterior não voltou à página 1"
clicar "$resposta" 632 386
longe
esperar mudou "$resposta" 153 373 "$pagina1" || falha "a seta seguinte não mudou a página"

# A double click on the first row of page 2.
mapfile -t g < <(geometria "$resposta")
xdotool mousemove $(( g[0] + 137 )) $(( g[1] + 161 )) click --repeat 2 --delay 80 1
descricao=$(esperar outra "$resposta") || falha "nenhuma tela abriu com o duplo clique"
longe
# The black frames of the titles grid (223, 128, 483 x 64) and of the summary
# memo (223, 215, 483 x 83).
for ponto in "223 128" "223 160" "705 160" "223 250" "705 297"; do
    set -- $ponto
    esperar cor "$descricao" "$1" "$2" 000000 || falha "a descrição da família não apareceu ($ponto)"
done
[ "$descricao" != "$inicial" ] || falha "voltou à tela inicial"
echo "ok"
