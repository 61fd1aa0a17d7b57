#!/usr/bin/env bash
# The area picker and the continuous capture as a user drives them: real
# mouse drags over the picker (xdotool), files decoded by ImageMagick and
# compared with ImageMagick's own dump of the X screen. Prints "PASS name" /
# "FAIL name" lines. VELMORA_SHOTS=dir keeps screenshots of the windows.
set -u
source "$(dirname "$0")/../../tools/common.sh"
build=${VELMORA_BUILD:-$VELMORA_ROOT/build/windows}
probe=$build/velmora/capture/cap_area_probe.exe
work=$(mktemp -d)
shots=${VELMORA_SHOTS:-$work}
trap 'velmora_stop_all; rm -rf "$work"' EXIT

if [ ! -f "$probe" ]; then
  echo "FAIL capture_area_probe_built ($probe missing)"
  exit 0
fi

wait_line() {  # file pattern seconds
  local i
  for i in $(seq 1 $(($3 * 10))); do
    grep -q "$2" "$1" 2>/dev/null && return 0
    sleep 0.1
  done
  return 1
}

pixel() { convert "$1" -format "%[hex:u.p{$2,$3}]" info: 2>/dev/null; }

# One drag from (x1,y1) to (x2,y2) with the left button; the file must hold
# the 200 x 100 rectangle between the corners exactly as the screen shows it
# without the picker.
check_drag() {
  local name=$1 x1=$2 y1=$3 x2=$4 y2=$5 out="$work/$1.out"
  wine "$probe" pick >"$out" 2>&1 &
  local pid=$!
  if ! wait_line "$out" '^picker' 30; then echo "FAIL $name (no picker)"; return; fi
  sleep 0.5
  xdotool mousemove "$x1" "$y1" mousedown 1
  xdotool mousemove $(((x1 + x2) / 2)) $(((y1 + y2) / 2))
  xdotool mousemove "$x2" "$y2"
  sleep 0.5
  import -window root "$shots/$name-drag.png"
  xdotool mouseup 1
  if ! wait_line "$out" '^saved' 30; then echo "FAIL $name (nothing saved: $(tr -d '\r' <"$out"))"; return; fi
  import -window root "$work/$name-after.png"
  local leaf bmp got diff
  leaf=$(grep '^saved' "$out" | tr -d '\r' | cut -d' ' -f2-)
  bmp="$WINEPREFIX/drive_c/$leaf"
  if [[ "$leaf" =~ ^Kelvo抓屏[0-9]{14}\.bmp$ ]]; then echo "PASS ${name}_file_name"; else echo "FAIL ${name}_file_name ($leaf)"; fi
  got=$(identify -format '%m %wx%h' "$bmp" 2>&1)
  if [ "$got" = "BMP3 200x100" ]; then echo "PASS ${name}_size"; else echo "FAIL ${name}_size ($got)"; fi
  if grep -q '^clipboard 200x100' "$out"; then echo "PASS ${name}_clipboard"; else echo "FAIL ${name}_clipboard ($(grep clipboard "$out"))"; fi
  convert "$work/$name-after.png" -crop 200x100+100+100 +repage "$work/$name-want.png"
  diff=$(compare -metric AE "$bmp" "$work/$name-want.png" null: 2>&1)
  if [ "$diff" = "0" ]; then echo "PASS ${name}_pixels"; else echo "FAIL ${name}_pixels ($diff differ)"; fi
  # On screen, the green frame stood one pixel outside the selection.
  local frame
  frame=$(pixel "$shots/$name-drag.png" 99 99)
  if [ "$frame" = "00FF00" ]; then echo "PASS ${name}_frame"; else echo "FAIL ${name}_frame ($frame)"; fi
  wait "$pid"
  rm -f "$bmp"
}

check_continuous() {
  local name=capture_continuous out="$work/continuous.out"
  wine "$probe" continuous 1 3 >"$out" 2>&1 &
  local pid=$!
  if ! wait_line "$out" '^started' 30; then echo "FAIL $name (not started)"; return; fi
  wait_line "$out" '^shot' 30
  sleep 0.4
  import -window root "$shots/$name.png"
  if ! wait_line "$out" '^done' 60; then echo "FAIL $name (no three shots: $(tr -d '\r' <"$out"))"; return; fi
  local labels
  labels=$(grep '^shot' "$out" | tr -d '\r' | cut -c6-9 | tr '\n' '|')
  if [ "$labels" = " 001| 002| 003|" ]; then echo "PASS ${name}_label"; else echo "FAIL ${name}_label ($labels)"; fi
  local leaf got bad=0
  while read -r leaf; do
    [[ "$leaf" =~ ^Kelvo抓屏[0-9]{8}_[0-9]{6}\.bmp$ ]] || bad=1
    got=$(identify -format '%m %wx%h' "$WINEPREFIX/drive_c/$leaf" 2>&1)
    [ "$got" = "BMP3 500x400" ] || { bad=1; echo "  $leaf: $got"; }
  done < <(grep '^shot' "$out" | tr -d '\r' | cut -c11-)
  if [ $bad = 0 ]; then echo "PASS ${name}_files"; else echo "FAIL ${name}_files"; fi
  wait "$pid"
}

velmora_start_xvfb 1920x1080 && velmora_start_wine || { echo "FAIL capture_area (no display)"; exit 0; }
check_drag capture_area_down 100 100 300 200
check_drag capture_area_reversed 300 200 100 100
check_drag capture_area_upward 100 200 300 100
check_continuous
