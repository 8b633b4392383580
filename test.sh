#!/usr/bin/env bash
# Builds the project and runs every test, headless.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/preparar.sh
cd "$compilacao"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
