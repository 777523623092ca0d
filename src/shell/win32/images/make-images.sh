#!/usr/bin/env bash
# Draws the program's pictures with ImageMagick and a CJK font from Debian's fonts-noto-cjk:
#   make-images.sh CONVERT OUTPUT_DIR
# nav242.png .. nav253.png  the navigation buttons, normal and selected, at twice their size
# lvtx.ico                  the program icon, 16 to 256 pixels
# hardware.png              the broadcast hardware diagram of the help page
set -euo pipefail
convert=$1
out=$2
mkdir -p "$out"

regular=Noto-Sans-CJK-SC
bold=Noto-Sans-CJK-SC-Bold
fonts=$("$convert" -list font)
if ! grep -q "Font: $bold\$" <<<"$fonts"; then
    echo "make-images: ImageMagick does not know the font $bold (install fonts-noto-cjk)" >&2
    exit 1
fi

# Button k: caption, subtitle, height in unscaled pixels (the width is always 130).
captions=(定时播 立即播 节假日、调休 设置 帮助 异常解答)
subtitles=("按课表自动打铃" "手动播放音频" "假期停播 · 调休换日" "声卡 · 音量 · 定时关机" "快速入手 · 硬件接线" "铃声不响或无声看这里")
heights=(35 35 52 72 72 72)

button() {
    local k=$1 selected=$2 file=$3
    local w=260 h=$((heights[k] * 2))
    local fill stroke title sub
    if [ "$selected" = 1 ]; then
        fill='#1e7fd0' stroke='#1565a8' title=white sub='#dcefff'
    else
        fill='#ffffffb0' stroke='#8fd3ee' title='#0b4f7c' sub='#3b6b86'
    fi
    local box=(-fill "$fill" -stroke "$stroke" -strokewidth 2 -draw "roundrectangle 2,2 $((w - 3)),$((h - 3)) 12,12")
    if [ "${heights[k]}" -le 35 ]; then
        # Low buttons: caption on the left, subtitle on the right, one line.
        "$convert" -size ${w}x${h} xc:none "${box[@]}" -stroke none \
            -font $bold -pointsize 28 -fill "$title" -gravity west -annotate +18+0 "${captions[k]}" \
            -font $regular -pointsize 18 -fill "$sub" -gravity east -annotate +12+2 "${subtitles[k]}" \
            "PNG32:$file"
    else
        local size=32
        [ ${#captions[k]} -gt 4 ] && size=28
        local accent=(-fill "$title" -draw "roundrectangle 14,$((h / 2 - 22)) 19,$((h / 2 + 22)) 2,2")
        "$convert" -size ${w}x${h} xc:none "${box[@]}" -stroke none "${accent[@]}" \
            -font $bold -pointsize $size -fill "$title" -gravity west -annotate +32-$((size * 6 / 10)) "${captions[k]}" \
            -font $regular -pointsize 19 -fill "$sub" -gravity west -annotate +33+$((size * 7 / 10)) "${subtitles[k]}" \
            "PNG32:$file"
    fi
}

for k in 0 1 2 3 4 5; do
    button "$k" 0 "$out/nav$((242 + 2 * k)).png"
    button "$k" 1 "$out/nav$((243 + 2 * k)).png"
done

# The icon: a white bell on a blue rounded square.
"$convert" -size 256x256 xc:none \
    -fill '#1e7fd0' -draw "roundrectangle 8,8 247,247 48,48" \
    -fill white -draw "path 'M 128,44 C 84,44 70,84 70,120 L 70,164 L 48,192 L 208,192 L 186,164 L 186,120 C 186,84 172,44 128,44 Z'" \
    -draw "circle 128,210 128,228" -draw "circle 128,42 128,54" \
    -fill '#1e7fd0' -draw "rectangle 60,180 196,186" \
    "PNG32:$out/icon256.png"
"$convert" "$out/icon256.png" -define icon:auto-resize=256,48,32,24,16 "$out/lvtx.ico"

# The hardware diagram: computer -> amplifier -> loudspeakers, with the cables named.
ink='#24465e'
"$convert" -size 760x330 xc:white -stroke "$ink" -strokewidth 3 -fill '#eaf6fd' \
    -draw "roundrectangle 30,60 190,170 8,8" -draw "rectangle 45,75 175,155" \
    -draw "line 110,170 110,195" -draw "line 75,198 145,198" \
    -draw "roundrectangle 300,90 470,165 6,6" \
    -fill white -draw "circle 330,128 330,143" -draw "circle 372,128 372,143" \
    -fill '#7fd37f' -draw "circle 445,110 445,116" \
    -fill '#eaf6fd' \
    -draw "roundrectangle 590,30 650,100 6,6" -draw "roundrectangle 590,125 650,195 6,6" \
    -draw "roundrectangle 590,220 650,290 6,6" \
    -fill white -draw "circle 620,65 620,85" -draw "circle 620,160 620,180" -draw "circle 620,255 620,275" \
    -fill none -draw "line 190,128 292,128" -draw "line 470,128 540,128" \
    -draw "line 540,65 540,255" -draw "line 540,65 582,65" -draw "line 540,160 582,160" -draw "line 540,255 582,255" \
    -fill "$ink" -stroke none \
    -draw "polygon 300,128 286,121 286,135" -draw "polygon 590,65 576,58 576,72" \
    -draw "polygon 590,160 576,153 576,167" -draw "polygon 590,255 576,248 576,262" \
    -font $bold -pointsize 20 \
    -annotate +58+235 "电脑" -annotate +315+200 "功放（扩音机）" -annotate +668+165 "音箱" \
    -font $regular -pointsize 15 \
    -annotate +40+260 "运行本软件，定时输出" -annotate +40+280 "声卡的音频信号" \
    -annotate +196+112 "音频线" -annotate +200+152 "3.5mm 插头" \
    -annotate +300+225 "放大音频信号，" -annotate +300+245 "音量旋钮控制总音量" \
    -annotate +478+112 "音箱线" -annotate +668+190 "各教室、操场" \
    -font $bold -pointsize 22 -annotate +30+34 "广播系统的硬件连接" \
    "PNG24:$out/hardware.png"
