#!/usr/bin/env bash
# Builds the project and starts the program with the sample classification.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/preparar.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Não há tela gráfica (DISPLAY vazio). Em um servidor, use: xvfb-run ./run.sh" >&2
    exit 1
fi
exec "$compilacao/zel2002"
