#!/usr/bin/env bash
# Draws the artwork again: builds the drawing program in the project's build
# directory and writes art/jpeg/*.jpg and art/icone.png. With an argument,
# also writes a contact sheet (PNG) there, to look the pictures over.
#   art/desenhar.sh [/tmp/arte/folha.png]
set -euo pipefail
raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
compilacao="${ZEL_BUILD_DIR:-$raiz/build}"
[ -f "$compilacao/CMakeCache.txt" ] || cmake -S "$raiz" -B "$compilacao" -G Ninja >/dev/null
cmake --build "$compilacao" --target desenhar-arte
folha=()
if [ $# -gt 0 ]; then
    mkdir -p "$(dirname "$1")"
    folha=("$1")
fi
QT_QPA_PLATFORM=offscreen "$compilacao/desenhar-arte" "$raiz/art/jpeg" "$raiz/art/icone.png" "${folha[@]}"
