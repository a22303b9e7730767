#!/bin/sh
# Renders the application icon assets/icons/orbalux.svg to the PNG sizes that the desktop's
# icon theme and the program's own window icon use. Run it again after editing the SVG and
# commit the PNGs; the build only reads them. Needs rsvg-convert (Debian package librsvg2-bin).
set -eu
cd "$(dirname "$0")/../assets/icons"
for size in 16 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" --output "orbalux-$size.png" orbalux.svg
done
