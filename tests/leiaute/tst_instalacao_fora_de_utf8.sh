#!/usr/bin/env bash
# Installed in a directory whose name is not UTF-8 (Latin-1 bytes, as a copy
# from an older system has), the program finds its database and pages: every
# capture made from there is the same, byte for byte, as the one made from
# the build directory.
set -euo pipefail
source "$(dirname "$0")/capturas_iguais.sh"
capturar="$1"
origem=$(dirname "$capturar")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
instalacao="$tmp/$(printf 'ocupa\xe7\xf5es')"
mkdir -p "$instalacao" "$tmp/aqui" "$tmp/la"
cp -a "$capturar" "$origem/dados" "$origem/html" "$instalacao/"

QT_QPA_PLATFORM=offscreen "$capturar" "$tmp/aqui" >/dev/null 2>&1
# A message box would wait for an answer that never comes.
QT_QPA_PLATFORM=offscreen timeout 60 "$instalacao/$(basename "$capturar")" "$tmp/la" \
    >/dev/null 2>&1 || { echo "a captura não terminou (uma mensagem de erro?)" >&2; exit 1; }

capturas_iguais "$tmp/aqui" "$tmp/la" "na instalação fora de UTF-8"
