#!/usr/bin/env bash
# Draws the program's pictures with ImageMagick and a CJK font from Debian's fonts-noto-cjk:
#   make-images.sh CONVERT OUTPUT_DIR PRODUCT
# nav242.png .. nav253.png  the navigation buttons, normal and selected, at twice their size
# lvtx.ico                  the program icon, 16 to 256 pixels
# hardware.png              the broadcast hardware diagram of the help page
# system-volume-new.png     where Windows 6 and later set the volume the status bar shows
# system-volume-old.png     the same for the versions before
# settings-title.png        the settings page's title, at twice its size
set -euo pipefail
convert=$1
out=$2
# The volume mixer lists the program by its product name.
product=$3
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

# The two "系统音量" pictures of the status bar: where Windows sets the volume that the bar shows.
# Each helper appends its drawing to the array `d`.
red='#d83a3a'
# A loudspeaker icon, 17 by 26, with its top left corner at x,y, in the current fill.
speaker() {
    local x=$1 y=$2
    d+=(-draw "rectangle $x,$((y + 8)) $((x + 7)),$((y + 18))"
        -draw "polygon $((x + 7)),$((y + 8)) $((x + 17)),$y $((x + 17)),$((y + 26)) $((x + 7)),$((y + 18))")
}
# A vertical slider: its track from y1 to y2 at x, its thumb at thumbY, filled below the thumb.
slider() {
    local x=$1 y1=$2 y2=$3 thumbY=$4
    d+=(-fill '#c8d3de' -stroke none -draw "roundrectangle $((x - 3)),$y1 $((x + 3)),$y2 3,3"
        -fill '#2f8fde' -draw "rectangle $((x - 3)),$((thumbY + 14)) $((x + 3)),$y2"
        -draw "roundrectangle $((x - 15)),$thumbY $((x + 15)),$((thumbY + 14)) 3,3")
}
# The right end of a taskbar, w wide at x,y: the loudspeaker, the clock and the mouse pointer on it.
taskbar() {
    local x=$1 y=$2 w=$3
    local r=$((x + w))
    d+=(-fill '#1f3347' -stroke none -draw "rectangle $x,$y $r,$((y + 48))" -fill white)
    speaker $((r - 110)) $((y + 11))
    d+=(-stroke white -strokewidth 2 -fill none -draw "arc $((r - 98)),$((y + 14)) $((r - 84)),$((y + 34)) -60,60"
        -stroke none -fill white -font "$regular" -pointsize 17 -annotate +$((r - 62))+$((y + 31)) "8:00"
        -stroke black -strokewidth 1
        -draw "polygon $((r - 98)),$((y + 26)) $((r - 98)),$((y + 52)) $((r - 92)),$((y + 46)) $((r - 87)),$((y + 56)) $((r - 83)),$((y + 54)) $((r - 88)),$((y + 44)) $((r - 80)),$((y + 44))"
        -stroke none)
}
# An arrow pointing right along y.
arrow() {
    local x1=$1 y=$2 x2=$3
    d+=(-stroke "$ink" -strokewidth 3 -fill none -draw "line $x1,$y $((x2 - 12)),$y"
        -stroke none -fill "$ink" -draw "polygon $x2,$y $((x2 - 14)),$((y - 7)) $((x2 - 14)),$((y + 7))")
}

# Windows 6 and later: the volume mixer, with the device and this program's own session.
d=(-size 920x520 xc:white -font "$bold" -pointsize 24 -fill "$ink" -annotate +30+42 "调整系统音量（Windows 7 及以后）")
taskbar 30 372 300
d+=(-fill '#f4f6f8' -stroke '#9aa7b3' -strokewidth 2 -draw "rectangle 110,236 330,362"
    -fill '#cce8ff' -stroke none -draw "rectangle 114,242 326,276"
    -fill '#222222' -font "$regular" -pointsize 17
    -annotate +126+266 "打开音量合成器(M)" -annotate +126+304 "播放设备(P)" -annotate +126+340 "声音(S)"
    -fill "$red" -font "$bold" -pointsize 19
    -annotate +30+456 "① 右键单击任务栏右下角的小喇叭" -annotate +110+222 "② 选“打开音量合成器”")
arrow 336 259 400
d+=(-fill '#f7f9fc' -stroke '#6b86a0' -strokewidth 2 -draw "rectangle 404,70 890,430"
    -fill '#dbe7f3' -stroke none -draw "rectangle 405,71 889,104"
    -fill '#222222' -font "$regular" -pointsize 17 -annotate +416+94 "音量合成器 - 扬声器"
    -fill "$ink" -font "$bold" -pointsize 18 -annotate +432+136 "设备" -annotate +620+136 "应用程序"
    -font "$regular" -pointsize 16 -annotate +432+162 "扬声器" -annotate +620+162 "$product"
    -stroke '#c8d3de' -strokewidth 2 -draw "line 596,120 596,410")
slider 478 180 370 206
slider 700 180 370 206
d+=(-fill "$ink")
speaker 470 384
speaker 692 384
d+=(-fill "$red" -font "$bold" -pointsize 19 -annotate +404+460 "③ 两个滑块都调高"
    -fill "$ink" -font "$regular" -pointsize 17
    -annotate +404+486 "喇叭图标上有红色禁止符号表示静音，单击喇叭取消静音。"
    -annotate +30+510 "底部状态栏的“系统音量” = 设备音量 × 本软件的音量；本软件播放过一次后才出现在“应用程序”里。")
"$convert" "${d[@]}" "PNG24:$out/system-volume-new.png"

# Before Windows 6: the volume control, with the master line and the wave-out line.
d=(-size 900x520 xc:white -font "$bold" -pointsize 24 -fill "$ink" -annotate +30+42 "调整系统音量（Windows XP 等早期版本）")
taskbar 30 372 260
d+=(-fill "$red" -font "$bold" -pointsize 19 -annotate +30+456 "① 双击任务栏右下角的小喇叭")
arrow 296 396 356
d+=(-fill '#ece9d8' -stroke '#0a246a' -strokewidth 2 -draw "rectangle 360,70 870,430"
    -fill '#0a246a' -stroke none -draw "rectangle 361,71 869,104"
    -fill white -font "$bold" -pointsize 17 -annotate +372+94 "音量控制"
    -fill '#222222' -font "$bold" -pointsize 18 -annotate +400+138 "音量控制" -annotate +640+138 "波形"
    -font "$regular" -pointsize 16 -annotate +400+190 "音量:" -annotate +640+190 "音量:"
    -stroke '#a0a0a0' -strokewidth 2 -draw "line 600,120 600,410")
slider 480 212 360 232
slider 700 212 360 232
d+=(-fill white -stroke '#555555' -strokewidth 2 -draw "rectangle 410,380 426,396" -draw "rectangle 650,380 666,396"
    -fill '#222222' -stroke none -font "$regular" -pointsize 16 -annotate +434+395 "全部静音" -annotate +674+395 "静音"
    -fill "$red" -font "$bold" -pointsize 19
    -annotate +360+460 "② “音量控制”和“波形”两个滑块都调高" -annotate +360+486 "③ 不要勾选“静音”"
    -fill "$ink" -font "$regular" -pointsize 17
    -annotate +30+222 "没有小喇叭时：" -annotate +30+246 "控制面板 → 声音和音频设备" -annotate +30+270 "→ 音量 → 高级"
    -annotate +30+510 "底部状态栏的“系统音量” = “音量控制”的音量 × “波形”的音量。")
"$convert" "${d[@]}" "PNG24:$out/system-volume-old.png"

# The settings page's title: a gear beside the page's name and what it holds.
"$convert" -size 360x60 xc:none \
    -fill '#1e7fd0' -draw "circle 30,30 30,8" \
    -fill white -draw "circle 30,30 30,20" -fill '#1e7fd0' -draw "circle 30,30 30,25" \
    -stroke white -strokewidth 5 -draw "line 30,6 30,14" -draw "line 30,46 30,54" \
    -draw "line 6,30 14,30" -draw "line 46,30 54,30" \
    -draw "line 13,13 19,19" -draw "line 41,41 47,47" -draw "line 13,47 19,41" -draw "line 41,19 47,13" \
    -stroke none -font $bold -pointsize 30 -fill '#0b4f7c' -gravity west -annotate +66-10 "设置" \
    -font $regular -pointsize 17 -fill '#3b6b86' -annotate +67+16 "开关机 · 音频设备 · 音量降低" \
    "PNG32:$out/settings-title.png"
