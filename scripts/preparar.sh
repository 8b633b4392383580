#!/usr/bin/env bash
# Installs what the build needs (Debian 12 packages) and builds the project in
# build/. Sourced by run.sh and test.sh.
#   ZEL_BUILD_DIR    build directory (default build/)
#   ZEL_BUILD_TYPE   CMake build type (default RelWithDebInfo)
#   ZEL_CMAKE_ARGS   further arguments for CMake's configure step
set -euo pipefail

raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$raiz/scripts/pacotes.sh"
instalar_pacotes "${pacotes_programa[@]}"

compilacao="${ZEL_BUILD_DIR:-$raiz/build}"
cmake -S "$raiz" -B "$compilacao" -G Ninja -DCMAKE_BUILD_TYPE="${ZEL_BUILD_TYPE:-RelWithDebInfo}" \
    ${ZEL_CMAKE_ARGS:-} >/dev/null
cmake --build "$compilacao"
