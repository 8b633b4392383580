#!/usr/bin/env bash
# Installs what the build needs (Debian 12 packages) and builds the project in
# build/. Sourced by run.sh and test.sh.
set -euo pipefail

raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
pacotes=(g++ cmake ninja-build pkg-config bc qt6-base-dev libsqlite3-dev libicu-dev libjpeg-dev
         libbenchmark-dev fonts-dejavu-core fonts-dejavu-extra fonts-liberation2
         xvfb xauth xdotool x11-utils openbox imagemagick at-spi2-core dbus-x11 python3-pyatspi)

faltando=()
for p in "${pacotes[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || faltando+=("$p")
done
if [ ${#faltando[@]} -gt 0 ]; then
    if [ "$(id -u)" -eq 0 ]; then
        echo "Instalando pacotes: ${faltando[*]}"
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq
        apt-get install -y -qq --no-install-recommends "${faltando[@]}" >/dev/null
    else
        echo "Faltam pacotes do Debian: ${faltando[*]}" >&2
        echo "Instale-os como root: sudo apt-get install ${faltando[*]}" >&2
        exit 1
    fi
fi

compilacao="${ZEL_BUILD_DIR:-$raiz/build}"
cmake -S "$raiz" -B "$compilacao" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo ${ZEL_CMAKE_ARGS:-} >/dev/null
cmake --build "$compilacao"
