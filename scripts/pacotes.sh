#!/usr/bin/env bash
# The Debian 12 packages each task needs, and the routine that installs the
# missing ones (as root; otherwise it names them and fails). Sourced by
# preparar.sh and .ci/run.

# Building the program and running it (run.sh); Qt's own texts (context menus)
# in Portuguese come from qt6-translations-l10n.
pacotes_programa=(g++ cmake ninja-build pkg-config qt6-base-dev libsqlite3-dev libicu-dev
                  libjpeg-dev fonts-dejavu-core fonts-dejavu-extra fonts-liberation2
                  qt6-translations-l10n)
# Running the tests and the benchmarks (test.sh): Google Benchmark, the end-to-end
# tests' X server, window manager, X tools, screen capture and accessibility bus,
# bc for the start-up measure, a desktop theme (qt6ct) to draw the screens under, and
# a Wayland compositor (weston) with Qt's Wayland platform.
pacotes_testes=(libbenchmark-dev xvfb xauth xdotool x11-utils openbox imagemagick at-spi2-core
                dbus-x11 python3-pyatspi bc qt6ct weston qt6-wayland)
# CI's format check.
pacotes_ci=(clang-format-14)

instalar_pacotes() {
    local p faltando=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
            faltando+=("$p")
    done
    [ ${#faltando[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Faltam pacotes do Debian: ${faltando[*]}" >&2
        echo "Instale-os como root: sudo apt-get install ${faltando[*]}" >&2
        return 1
    fi
    echo "Instalando pacotes: ${faltando[*]}"
    DEBIAN_FRONTEND=noninteractive apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "${faltando[@]}" >/dev/null
}
