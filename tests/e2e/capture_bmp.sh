#!/usr/bin/env bash
# Each capture mode's BMP file checked by an independent decoder: ImageMagick
# reads the file our code wrote under Wine, and its size and every pixel must
# equal ImageMagick's own dump of the X screen. The screen's width is odd, so
# every row needs padding. The area pick is dragged with the real mouse.
# Prints "PASS name" / "FAIL name" lines.
set -u
source "$(dirname "$0")/../../tools/common.sh"
probe=${VELMORA_BUILD:-$VELMORA_ROOT/build/windows}/velmora/capture/capture_probe.exe
work=$(mktemp -d)
trap 'velmora_stop_all; rm -rf "$work"' EXIT
[ -f "$probe" ] || { echo "FAIL capture_bmp_probe_built ($probe missing)"; exit 0; }

wait_line() {  # file pattern seconds
  local i
  for i in $(seq 1 $(($3 * 10))); do
    grep -q "$2" "$1" 2>/dev/null && return 0
    sleep 0.1
  done
  return 1
}

check() {  # name file geometry(WxH+X+Y) screen.png
  local got diff
  got=$(identify -format '%m %wx%h' "$2" 2>&1)
  convert "$4" -crop "$3" +repage "$work/want.png"
  diff=$(compare -metric AE "$2" "$work/want.png" null: 2>&1)
  if [ "$got" = "BMP3 ${3%%+*}" ] && [ "$diff" = "0" ]; then echo "PASS $1"; else echo "FAIL $1 ($got, $diff differ)"; fi
}

name() {  # test file-name-pattern output-file line-pattern
  local leaf
  leaf=$(grep "$4" "$3" | head -n 1 | tr -d '\r' | rev | cut -d' ' -f1 | rev)
  if [[ "$leaf" =~ $2 ]]; then echo "PASS $1"; else echo "FAIL $1 ($leaf)"; fi
  file="$WINEPREFIX/drive_c/$leaf"
}

velmora_start_xvfb 1021x767 && velmora_start_wine || { echo "FAIL capture_bmp (no display)"; exit 0; }
wine winver >/dev/null 2>&1 &  # Wine's about box: text, a frame and a title bar
velmora_wait_window '^About' 30 || echo "FAIL capture_bmp (no window to capture)"
wine "$probe" screen 'C:\warmup.bmp' >/dev/null 2>&1

import -window root "$work/screen.png"  # before the viewer appears
wine "$probe" screen 'C:\Kelvo抓屏e2e.bmp' >/dev/null 2>&1
check capture_mode1_screen "$WINEPREFIX/drive_c/Kelvo抓屏e2e.bmp" 1021x767+0+0 "$work/screen.png"

wine "$probe" pick >"$work/pick.out" 2>&1 &
pid=$!
wait_line "$work/pick.out" '^picker' 30 && sleep 0.5  # the picker is painted before the mouse comes
xdotool mousemove 100 200 mousedown 1 mousemove 200 150 mousemove 300 100 mouseup 1  # upward across the read-out
wait_line "$work/pick.out" '^clipboard' 30 && import -window root "$work/pick.png"
name capture_mode2_name '^Kelvo抓屏[0-9]{14}\.bmp$' "$work/pick.out" '^saved'
grep -q '^clipboard 200x100' "$work/pick.out" && echo "PASS capture_mode2_clipboard" || echo "FAIL capture_mode2_clipboard"
check capture_mode2_pick "$file" 200x100+100+100 "$work/pick.png"
wait "$pid"

wine "$probe" continuous 1 2 >"$work/shots.out" 2>&1 &
pid=$!
wait_line "$work/shots.out" '^done' 60 && import -window root "$work/shots.png"
name capture_mode3_name '^Kelvo抓屏[0-9]{8}_[0-9]{6}\.bmp$' "$work/shots.out" '^shot  001'
check capture_mode3_shot "$file" 500x400+40+40 "$work/shots.png"
wait "$pid"
