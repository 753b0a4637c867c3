#!/bin/sh
# Renders the 64 px PNG of the icon from vyn.svg (ImageMagick); run after editing the SVG.
set -eu
cd "$(dirname "$0")"
convert -background none vyn.svg -depth 8 -strip -define png:exclude-chunks=date,time vyn-64.png
