#!/usr/bin/env bash
# Installs what the build needs (Debian 12 packages) and builds the project in
# build/. Sourced by run.sh, and by test.sh as `source scripts/preparar.sh
# --testes`, which installs what the tests and benchmarks need as well.
#   ZEL_BUILD_DIR    build directory (default build/)
#   ZEL_BUILD_TYPE   CMake build type (default RelWithDebInfo)
#   ZEL_CMAKE_ARGS   further arguments for CMake's configure step
set -euo pipefail

raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$raiz/scripts/pacotes.sh"
if [ "${1:-}" = --testes ]; then
    instalar_pacotes "${pacotes_programa[@]}" "${pacotes_testes[@]}"
else
    instalar_pacotes "${pacotes_programa[@]}"
fi

compilacao="${ZEL_BUILD_DIR:-$raiz/build}"
# The configure step's report is shown: it tells what it left out and why.
cmake -S "$raiz" -B "$compilacao" -G Ninja -DCMAKE_BUILD_TYPE="${ZEL_BUILD_TYPE:-RelWithDebInfo}" \
    ${ZEL_CMAKE_ARGS:-}
cmake --build "$compilacao"
