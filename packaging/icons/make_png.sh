#!/usr/bin/env bash
# Renders the PNG sizes of the icon from its SVG (rsvg-convert, Debian's
# librsvg2-bin). Run after changing the SVG; the PNGs are committed, so
# neither the build nor the package needs the renderer.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" nadzorne-knjige.svg -o "nadzorne-knjige-$size.png"
done
