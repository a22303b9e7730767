#!/bin/sh
# Renders the application icon assets/icons/orbalux.svg to the PNG sizes that the desktop's
# icon theme and the program's own window icon use, and packs the sizes Explorer asks for into
# the Windows program's icon, packaging/windows/orbalux.ico. Run it again after editing the SVG
# and commit what it made; the build only reads them. Needs rsvg-convert (Debian package
# librsvg2-bin) and convert (imagemagick).
set -eu
cd "$(dirname "$0")/../assets/icons"
for size in 16 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" --output "orbalux-$size.png" orbalux.svg
done
convert orbalux-16.png orbalux-32.png orbalux-48.png orbalux-256.png ../../packaging/windows/orbalux.ico
