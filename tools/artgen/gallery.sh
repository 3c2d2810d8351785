#!/usr/bin/env bash
# Redraws the pictures into resources/ and the review sheet docs/art-gallery.png (ImageMagick converts
# artgen's BMP sheet). Run after changing anything under tools/artgen/, then look at the sheet.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
cd "$root"
cmake --preset host >/dev/null
cmake --build build/host -j2 --target artgen
build/host/artgen resources
sheet=$(mktemp --suffix=.bmp)
trap 'rm -f "$sheet"' EXIT
build/host/artgen --gallery "$sheet"
convert "$sheet" -define png:compression-level=9 docs/art-gallery.png
echo "gallery: docs/art-gallery.png"
