#!/usr/bin/env bash
# Draws the program's desktop entry as a launcher shows it, its icon over its name, from an
# installed copy. Usage: launcher-shot.sh <install prefix, e.g. /usr> <output.png>
set -euo pipefail
prefix=$1
out=$2
entry=$prefix/share/applications/io.quorlex.Quorlex.desktop
value() { sed -n "s/^$1=//p" "$entry" | head -n 1; }
name=$(value Name)
icon=$prefix/share/icons/hicolor/128x128/apps/$(value Icon).png
convert -size 220x210 xc:'#2b303b' \
  \( -size 180x190 xc:none -fill '#ffffff22' -draw 'roundrectangle 0,0 179,189 14,14' \) -geometry +20+10 -composite \
  "$icon" -geometry +46+24 -composite \
  -font DejaVu-Sans -pointsize 18 -fill white -gravity north -annotate +0+166 "$name" \
  "$out"
