#!/usr/bin/env bash
# Builds the Debian package and installs it on a clean Debian 12 system made
# with debootstrap (as root; needs the network to Debian's mirror), then
# checks there that the program starts and finds its data and pages.
#   scripts/testar-pacote.sh [build dir]
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
compilacao="$(cd "${1:-$raiz/build}" && pwd)"
espelho="${ZEL_ESPELHO:-http://deb.debian.org/debian}"

[ "$(id -u)" -eq 0 ] || { echo "execute como root" >&2; exit 1; }
source "$raiz/scripts/pacotes.sh"
# debootstrap makes the clean system; dpkg-dev computes the package's dependencies.
instalar_pacotes debootstrap dpkg-dev

cmake --build "$compilacao"
(cd "$compilacao" && cpack -G DEB >/dev/null)
pacote=$(ls -t "$compilacao"/zel2002_*_amd64.deb | head -n1)
echo "pacote: $pacote"

sistema=$(mktemp -d /tmp/zel-debian.XXXXXX)
desmontar() { umount "$sistema/proc" 2>/dev/null || true; rm -rf "$sistema"; }
trap desmontar EXIT
echo "criando um Debian 12 limpo em $sistema"
debootstrap --variant=minbase bookworm "$sistema" "$espelho" >/dev/null
mount -t proc proc "$sistema/proc"
cp "$pacote" "$sistema/tmp/"
chroot "$sistema" /bin/bash -euo pipefail -c "
    export DEBIAN_FRONTEND=noninteractive LANG=C.UTF-8
    apt-get update -qq
    dpkg -i /tmp/$(basename "$pacote") >/dev/null 2>&1 || apt-get install -y -qq -f >/dev/null
    dpkg -s zel2002 | grep -q 'Status: install ok installed'
    test -x /usr/bin/zel2002 && test -f /usr/lib/zel2002/dados/zel2002.db
    test -f /usr/lib/zel2002/html/inicial.htm && test -f /usr/share/applications/zel2002.desktop
    grupos=\$(zel-dados consultar /usr/lib/zel2002/dados fncSqlGrandesGrupos | wc -l)
    [ \"\$grupos\" -eq 11 ]
    # Started without a display it runs on the offscreen platform until stopped.
    set +e
    QT_QPA_PLATFORM=offscreen timeout 5 zel2002 > /tmp/saida.txt 2>&1
    status=\$?
    set -e
    [ \$status -eq 124 ] || { cat /tmp/saida.txt; exit 1; }
    ! grep -qi 'error\\|erro\\|cannot\\|failed' /tmp/saida.txt
"
echo "o pacote instala e o programa inicia num Debian 12 limpo"
