#!/usr/bin/env bash
# The desktop's style and colours change nothing on the screens: every
# capture made under a desktop theme with a dark colour scheme, another
# widget style and larger fonts (the qt6ct theme, as many desktops set it up)
# is the same, byte for byte, as the one made without a theme. Skipped
# (status 77) where the theme is not installed.
set -euo pipefail
source "$(dirname "$0")/capturas_iguais.sh"
capturar="$1"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

mkdir -p "$tmp/config/qt6ct" "$tmp/sem" "$tmp/com"
cat >"$tmp/escuro.conf" <<'CORES'
[ColorScheme]
active_colors=#ffffffff, #ff424245, #ff979797, #ff5e5c5b, #ff302f2e, #ff4a4947, #ffffffff, #ffffffff, #ffffffff, #ff3d3d3d, #ff222020, #ffe7e4e0, #ff12608a, #fff9f9f9, #ff0986d3, #ffa70b06, #ff5c5b5a, #ffffffff, #ff3f3f36, #ffffffff, #80ffffff
disabled_colors=#ff808080, #ff424245, #ff979797, #ff5e5c5b, #ff302f2e, #ff4a4947, #ff808080, #ffffffff, #ff808080, #ff3d3d3d, #ff222020, #ffe7e4e0, #ff12608a, #ff808080, #ff0986d3, #ffa70b06, #ff5c5b5a, #ffffffff, #ff3f3f36, #ffffffff, #80ffffff
inactive_colors=#ffffffff, #ff424245, #ff979797, #ff5e5c5b, #ff302f2e, #ff4a4947, #ffffffff, #ffffffff, #ffffffff, #ff3d3d3d, #ff222020, #ffe7e4e0, #ff12608a, #fff9f9f9, #ff0986d3, #ffa70b06, #ff5c5b5a, #ffffffff, #ff3f3f36, #ffffffff, #80ffffff
CORES
cat >"$tmp/config/qt6ct/qt6ct.conf" <<TEMA
[Appearance]
color_scheme_path=$tmp/escuro.conf
custom_palette=true
style=Windows

[Fonts]
fixed="DejaVu Sans Mono,14,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"
general="DejaVu Sans,14,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"
TEMA

env -u QT_QPA_PLATFORMTHEME -u QT_STYLE_OVERRIDE QT_QPA_PLATFORM=offscreen \
    "$capturar" "$tmp/sem" >/dev/null 2>&1
env -u QT_STYLE_OVERRIDE QT_QPA_PLATFORM=offscreen QT_QPA_PLATFORMTHEME=qt6ct \
    XDG_CONFIG_HOME="$tmp/config" QT_LOGGING_RULES="qt6ct.debug=true" \
    "$capturar" "$tmp/com" >"$tmp/com.log" 2>&1
grep -q "using qt6ct plugin" "$tmp/com.log" || { echo "sem o tema qt6ct: teste ignorado"; exit 77; }

capturas_iguais "$tmp/sem" "$tmp/com" "com o tema da área de trabalho"
