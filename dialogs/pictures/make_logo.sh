#!/bin/sh
# Draws the maker's logo for the About box: a 90 x 84 JPEG.
set -e
cd "$(dirname "$0")"
convert -size 90x84 gradient:'#1d4f91-#5fa8e8' \
    -fill '#ffd23f' -stroke '#8a6d00' -strokewidth 2 -draw 'circle 45,38 45,14' \
    -fill '#1d4f91' -stroke none -draw 'rectangle 33,26 57,50' \
    -fill white -draw 'rectangle 38,31 52,45' \
    -fill white -font DejaVu-Sans-Bold -pointsize 13 -gravity south -annotate +0+3 'HALVORNE' \
    -strip -quality 90 Logo.jpg
