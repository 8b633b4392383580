#!/usr/bin/env bash
# Installed in a directory whose name is not UTF-8 (Latin-1 bytes, as a copy
# from an older system has), the program finds its database and pages: every
# capture made from there is the same, byte for byte, as the one made from
# the build directory.
set -euo pipefail
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

diferentes=()
for aqui in "$tmp/aqui"/*.png; do
    nome=$(basename "$aqui")
    cmp -s "$aqui" "$tmp/la/$nome" || diferentes+=("$nome")
done
total=$(ls "$tmp/aqui" | wc -l)
[ "$total" -gt 0 ] || { echo "nenhuma captura" >&2; exit 1; }
if [ ${#diferentes[@]} -gt 0 ]; then
    echo "mudam na instalação fora de UTF-8: ${diferentes[*]}" >&2
    exit 1
fi
echo "ok: $total capturas iguais"
