#!/usr/bin/env bash
# Draws the pictures of the HTML pages again: builds the drawing program in
# its own build directory and writes html/imagens/*.png. The toolbar and
# button pictures are taken from the program's artwork (art/jpeg), so run
# art/desenhar.sh first when the artwork changes.
#   html/figuras/desenhar.sh
set -euo pipefail
figuras="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
raiz="$(cd "$figuras/../.." && pwd)"
compilacao="${ZEL_BUILD_DIR:-$raiz/build}/figuras"
[ -f "$compilacao/CMakeCache.txt" ] || cmake -S "$figuras" -B "$compilacao" -G Ninja >/dev/null
cmake --build "$compilacao"
mkdir -p "$raiz/html/imagens"
QT_QPA_PLATFORM=offscreen "$compilacao/desenhar-figuras" "$raiz/art/jpeg" "$raiz/html/imagens"
