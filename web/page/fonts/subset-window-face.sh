#!/bin/sh
# Writes the window's face, cut to the letters the game and its players use (Latin, Cyrillic,
# a few marks), as the two small web fonts the page asks for: window-regular.woff and
# window-bold.woff in the folder given. Letters outside the cut come from the browser's fonts.
# The face is the desktop window's stand-in; change FACE and the two file names together.
set -eu
out=${1:?usage: subset-window-face.sh OUTPUT-FOLDER}
FACE_DIR=/usr/share/fonts/truetype/liberation
FACE=LiberationSansNarrow
letters="U+0020-007E,U+00A0-00FF,U+0401,U+0410-044F,U+0451,U+2013-2014,U+2026,U+2116,U+2715"
mkdir -p "$out"
for weight in Regular Bold; do
  /usr/bin/python3 -m fontTools.subset "$FACE_DIR/$FACE-$weight.ttf" --unicodes="$letters" --flavor=woff \
    --layout-features='kern' --no-hinting --desubroutinize --drop-tables+=FFTM --output-file="$out/window-$(echo "$weight" | tr 'A-Z' 'a-z').woff"
done
