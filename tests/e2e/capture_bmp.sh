#!/usr/bin/env bash
# Each capture mode's BMP file, read by ImageMagick, equals in size and every
# pixel ImageMagick's own dump of the X screen (of odd width: rows are padded).
# The area pick is dragged with the real mouse. Prints PASS/FAIL name lines.
set -u
source "$(dirname "$0")/../../tools/common.sh"
probe=${VELMORA_BUILD:-$VELMORA_ROOT/build/windows}/velmora/capture/capture_probe.exe
work=$(mktemp -d)
trap 'velmora_stop_all; rm -rf "$work"' EXIT
[ -f "$probe" ] || { echo "FAIL capture_bmp_probe_built ($probe missing)"; exit 0; }

wait_line() {  # pattern seconds: in the probe's output
  timeout "$2" bash -c "until grep -q '$1' '$work/out' 2>/dev/null; do sleep 0.1; done"
}

check() {  # name file-name-pattern geometry(WxH+X+Y): the first file the probe names
  local leaf got diff
  leaf=$(grep -E '^(saved|shot) ' "$work/out" | head -n 1 | tr -d '\r' | cut -d' ' -f2-)
  [[ "$leaf" =~ $2 ]] || { echo "FAIL $1 (file name '$leaf')"; return; }
  got=$(identify -format '%m %wx%h' "$WINEPREFIX/drive_c/$leaf" 2>&1)
  convert "$work/screen.png" -crop "$3" +repage "$work/want.png"
  diff=$(compare -metric AE "$WINEPREFIX/drive_c/$leaf" "$work/want.png" null: 2>&1)
  if [ "$got" = "BMP3 ${3%%+*}" ] && [ "$diff" = "0" ]; then echo "PASS $1"; else echo "FAIL $1 ($got, $diff differ)"; fi
}

velmora_start_xvfb 1021x767 && velmora_start_wine || { echo "FAIL capture_bmp (no display)"; exit 0; }
wine winver >/dev/null 2>&1 &  # Wine's about box: text, a frame and a title bar
velmora_wait_window '^About' 30 || echo "FAIL capture_bmp (no window to capture)"
wine "$probe" screen 'C:\warmup.bmp' >/dev/null 2>&1

import -window root "$work/screen.png"  # before the viewer appears
wine "$probe" screen 'C:\Kelvo抓屏e2e.bmp' >/dev/null 2>&1
echo "saved Kelvo抓屏e2e.bmp" >"$work/out"
check capture_mode1_screen 'e2e' 1021x767+0+0

wine "$probe" pick >"$work/out" 2>&1 &
wait_line '^picker' 30 && sleep 0.5  # the picker is painted before the mouse comes
xdotool mousemove 100 200 mousedown 1 mousemove 200 150 mousemove 300 100 mouseup 1  # upward across the read-out
wait_line '^done' 30 && import -window root "$work/screen.png"
check capture_mode2_pick '^Kelvo抓屏[0-9]{14}\.bmp$' 200x100+100+100
wait $!

wine "$probe" continuous >"$work/out" 2>&1 &
wait_line '^done' 60 && import -window root "$work/screen.png"
check capture_mode3_shot '^Kelvo抓屏[0-9]{8}_[0-9]{6}\.bmp$' 500x400+40+40
wait $!
