#!/usr/bin/env bash
# Renders the PNG sizes of every icon from its SVG. The PNGs are kept in the
# repository, so building needs no SVG renderer; run this after editing an
# SVG (needs rsvg-convert, Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")"
for svg in *.svg; do
    for size in 16 22 24 32 48 64 128 256; do
        mkdir -p "$size"
        rsvg-convert --width "$size" --height "$size" "$svg" --output "$size/${svg%.svg}.png"
    done
done
