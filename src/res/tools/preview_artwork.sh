#!/bin/sh
# Composes PNG previews of the generated artwork into /tmp/artwork-preview/:
#   window.png     the main window as it will look (440 x 346)
#   window_x3.png  the same, enlarged with hard pixels to judge single pixels
#   icons_*.png    every icon alone on white, on a checkerboard and greyed
# Needs ImageMagick; run make_artwork.py first.
set -eu
HERE=$(cd "$(dirname "$0")" && pwd)
IMG="$HERE/../images"
OUT=/tmp/artwork-preview
mkdir -p "$OUT"
cd "$OUT"

FONT=DejaVu-Sans
BOLD=DejaVu-Sans-Bold

# Window: banner, white list area with the five commands, publisher strip.
convert "$IMG/banner.bmp" -crop 440x66+0+0 +repage \
    -font "$BOLD" -pointsize 24 -fill white -annotate +30+43 'Kovrin3.0_PC' \
    -font "$FONT" -pointsize 11 -annotate +332+50 'Lang' \
    -fill white -stroke '#6f8fb8' -draw 'rectangle 362,37 436,55' -stroke none \
    -fill black -annotate +366+50 'English' \
    -fill '#404040' -draw 'polygon 425,44 433,44 429,49' \
    banner_top.png
convert -size 440x257 xc:white list_area.png
convert "$IMG/info_strip.bmp" -crop 440x23+0+0 +repage \
    -font "$BOLD" -pointsize 12 -fill white -annotate +336+16 'Kovrin Software' \
    strip_bottom.png
convert banner_top.png list_area.png strip_bottom.png -append window.png

place() {  # place ICON X Y LABEL
    convert window.png \( "$IMG/$1[0]" \) -geometry "+$2+$3" -composite \
        -font "$FONT" -pointsize 12 -fill 'rgb(0,85,229)' -gravity NorthWest \
        -annotate "+$(( $2 + 47 - ${#4} * 3 ))+$(( $3 + 97 ))" "$4" window.png
}
place command_run.ico 40 76 Run
place command_help.ico 172 76 Help
place command_config.ico 304 76 Settings
place command_about.ico 106 196 About
place command_exit.ico 238 196 Exit
for b in "button_menu.ico 362" "button_minimize.ico 387" "button_exit.ico 412"; do
    set -- $b
    convert window.png \( "$IMG/$1[0]" \) -geometry "+$2+3" -composite window.png
done
# The same window with the buttons greyed, as they are without the mouse over them.
convert window.png window_grey.png
for b in "button_menu.ico 362" "button_minimize.ico 387" "button_exit.ico 412"; do
    set -- $b
    convert "$IMG/banner.bmp" -crop 24x20+$2+3 +repage \
        \( "$IMG/$1[0]" -colorspace Gray \) -composite g.png
    convert window_grey.png g.png -geometry "+$2+3" -composite window_grey.png
done
convert window.png -filter point -resize 300% window_x3.png
convert window_grey.png -crop 110x30+330+0 +repage -filter point -resize 600% buttons_grey_x6.png

# Each icon alone: on white, on a checkerboard, and greyed on the banner blue.
for f in "$IMG"/*.ico; do
    n=$(basename "$f" .ico)
    frames=$(identify "$f" | wc -l)
    i=0
    while [ $i -lt "$frames" ]; do
        geo=$(identify -format '%wx%h' "$f[$i]")
        convert -size "$geo" xc:white "$f[$i]" -composite w.png
        convert -size "$geo" pattern:checkerboard "$f[$i]" -composite c.png
        convert -size "$geo" 'xc:rgb(14,66,162)' "$f[$i]" -composite d.png
        convert w.png c.png d.png +append -filter point -resize 400% "icons_${n}_$i.png"
        i=$((i + 1))
    done
done
rm -f w.png c.png d.png g.png banner_top.png list_area.png strip_bottom.png
ls "$OUT"
