#!/bin/sh
# Draws the launcher's skin pictures from the SVG sources in res/images/src/
# into res/images/<id>_<role>.png, the files res/images.rc compiles in.
#
# The PNGs are kept in the repo, so the build never needs this script; run it
# again after editing a source. It needs rsvg-convert (librsvg2-bin),
# ImageMagick's convert, and the DejaVu fonts (fonts-dejavu-core,
# fonts-dejavu-extra for the condensed cut); the lettering is drawn with them,
# so other faces would change the pictures.
#
#   tools/draw_images.sh            draw every picture
#   tools/draw_images.sh --install  apt-get the tools first, then draw
#   tools/draw_images.sh --preview FILE
#                                   draw, then lay the pictures out as the
#                                   window shows them, into FILE, to look at
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
src=$root/res/images/src
out=$root/res/images

preview=
case "${1:-}" in
    --install) apt-get update && apt-get install -y librsvg2-bin imagemagick fonts-dejavu-core fonts-dejavu-extra ;;
    --preview) preview=${2:?"--preview needs a file name"} ;;
    "") ;;
    *) echo "usage: $0 [--install | --preview FILE]" >&2; exit 2 ;;
esac

for tool in rsvg-convert convert; do
    command -v "$tool" >/dev/null 2>&1 || {
        echo "draw_images: $tool is missing (apt-get install librsvg2-bin imagemagick)" >&2
        exit 1
    }
done
fc-list 2>/dev/null | grep -q "DejaVuSans-Bold.ttf" || {
    echo "draw_images: the DejaVu fonts are missing (apt-get install fonts-dejavu-core fonts-dejavu-extra)" >&2
    exit 1
}

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT INT TERM

# -strip drops the time stamps ImageMagick would write, so an unchanged source
# gives a byte-identical PNG and git sees no change.
keep="-strip -define png:exclude-chunks=date,time"

# rgba ID ROLE SOURCE: an 8-bit RGBA PNG exactly as the SVG draws it.
rgba() {
    rsvg-convert "$src/$3.svg" -o "$tmp/$1.png"
    # shellcheck disable=SC2086
    convert "$tmp/$1.png" $keep -depth 8 "PNG32:$out/$1_$2.png"
}

# lettering ID ROLE SOURCE COLOUR: text pictures. The anti-aliasing lives in
# the alpha alone; every pixel gets the one ink colour, so the edges carry no
# darker or lighter fringe when the picture is blended onto the window.
lettering() {
    rsvg-convert "$src/$3.svg" -o "$tmp/$1.png"
    # shellcheck disable=SC2086
    convert "$tmp/$1.png" -fill "$4" -colorize 100 $keep -depth 8 "PNG32:$out/$1_$2.png"
}

# The backdrop: the weave from its SVG, then a faint fixed-seed grain so the
# cloth looks woven rather than stamped; kept within grey 38..46, opaque RGB.
backdrop() {
    rsvg-convert "$src/backdrop_weave.svg" -o "$tmp/weave.png"
    # shellcheck disable=SC2086
    convert "$tmp/weave.png" -alpha off -colorspace sRGB \
        \( -size 800x600 xc:gray50 -seed 139 -attenuate 0.25 +noise Uniform -channel RGB -separate -delete 1,2 \) \
        -compose Overlay -composite \
        -fx "min(max(u,38/255),46/255)" \
        $keep -depth 8 "PNG24:$out/139_backdrop.png"
}

mkdir -p "$out"
rm -f "$out"/[0-9]*_*.png

backdrop
rgba 149 title_strip title_strip

rgba 140 tile_port_setup tile_port_setup
rgba 142 tile_exit tile_exit
rgba 143 tile_logo_setup tile_logo_setup
rgba 144 tile_user_setup tile_user_setup
rgba 145 tile_fw_download tile_fw_download
rgba 146 tile_net_config tile_net_config
rgba 165 tile_sample_print tile_sample_print
rgba 171 tile_speaker tile_speaker

rgba 147 caption_minimise caption_minimise
rgba 148 caption_close caption_close
rgba 158 caption_help caption_help

label="rgb(220,220,220)"
lettering 152 label_exit label_exit "$label"
lettering 153 label_fw_download label_fw_download "$label"
lettering 154 label_logo_setup label_logo_setup "$label"
lettering 155 label_net_config label_net_config "$label"
lettering 156 label_port_setup label_port_setup "$label"
lettering 157 label_user_setup label_user_setup "$label"
lettering 166 label_sample_print label_sample_print "$label"
lettering 172 label_custom_chime label_custom_chime "$label"

ink="rgb(0,0,0)"
lettering 150 title_family title_family "$ink"
lettering 159 title_mavro_50 title_mavro_50 "$ink"
lettering 160 title_vorex_50_set title_vorex_50_set "$ink"
lettering 162 title_vorex_100_ii title_vorex_100_ii "$ink"
lettering 163 title_vorex_100_set title_vorex_100_set "$ink"
lettering 164 title_vorex_200_label_set title_vorex_200_label_set "$ink"
lettering 167 title_vorex_200 title_vorex_200 "$ink"
lettering 168 title_mavro_80_set title_mavro_80_set "$ink"
lettering 169 title_mavro_80_label_series title_mavro_80_label_series "$ink"
lettering 170 title_mavro_60_network_series title_mavro_60_network_series "$ink"

echo "draw_images: $(find "$out" -maxdepth 1 -name "[0-9]*_*.png" | wc -l) pictures in res/images/"

[ -n "$preview" ] || exit 0

# The window at its usual size, 562 x 356: the strip squeezed to the caption's
# 42 px, tiles at 117 px on the dialog's grid with their labels centred under
# them; below it, two tiles greyed as when they are disabled, beside their
# live look, to see that the two states differ at a glance.
pic() { ls "$out/$1"_*.png; }
set -- -size 562x356 tile:"$(pic 139)" \
    \( "$(pic 149)" -resize '562x42!' \) -geometry +0+0 -composite \
    "$(pic 150)" -geometry +14+14 -composite \
    "$(pic 147)" -geometry +457+9 -composite \
    "$(pic 158)" -geometry +489+9 -composite \
    "$(pic 148)" -geometry +521+9 -composite
for cell in 140:156:37:58 143:154:165:58 144:157:292:58 165:166:420:58 \
            145:153:37:208 146:155:165:208 171:172:292:208 142:152:420:208; do
    tile=${cell%%:*}; rest=${cell#*:}
    lab=${rest%%:*}; rest=${rest#*:}
    x=${rest%%:*}; y=${rest#*:}
    lw=$(identify -format %w "$(pic "$lab")")
    set -- "$@" \( "$(pic "$tile")" -resize 117x117 \) -geometry +"$x"+"$y" -composite \
        "$(pic "$lab")" -geometry +$((x + 58 - lw / 2))+$((y + 121)) -composite
done
convert "$@" "$tmp/window.png"
convert -size 562x140 tile:"$(pic 139)" \
    \( "$(pic 140)" -resize 117x117 \) -geometry +37+12 -composite \
    \( "$(pic 140)" -resize 117x117 -colorspace Gray \) -geometry +165+12 -composite \
    \( "$(pic 142)" -resize 117x117 \) -geometry +292+12 -composite \
    \( "$(pic 142)" -resize 117x117 -colorspace Gray \) -geometry +420+12 -composite \
    "$tmp/states.png"
convert "$tmp/window.png" "$tmp/states.png" -append "$preview"
echo "draw_images: preview in $preview"
