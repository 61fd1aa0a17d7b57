#!/usr/bin/env bash
# Each capture mode's BMP file, read by ImageMagick, equals in size and every
# pixel ImageMagick's own dump of the X screen: on one screen of odd width
# (rows are padded), and on a 1280 x 720 monitor left of a 1024 x 768 primary
# (Windows' 0, 0 is X's 1280, 0), where the bar and its notice are driven too.
# The area pick is dragged with the real mouse. Prints PASS/FAIL name lines.
set -u
source "$(dirname "$0")/../../tools/common.sh"
build=${VELMORA_BUILD:-$VELMORA_ROOT/build/windows}
probe=$build/velmora/capture/capture_probe.exe
work=$(mktemp -d)
trap 'velmora_stop_all; rm -rf "$work"' EXIT
[ -f "$probe" ] || { echo "FAIL capture_bmp_probe_built ($probe missing)"; exit 0; }

wait_line() {  # pattern seconds: in the probe's output
  timeout "$2" bash -c "until grep -q '$1' '$work/out' 2>/dev/null; do sleep 0.1; done"
}

check() {  # name file-name-pattern geometry(WxH+X+Y) [file]: the first file the probe names, or that file
  local leaf got diff file=${4:-}
  leaf=$(grep -E '^(saved|shot) ' "$work/out" | head -n 1 | tr -d '\r' | cut -d' ' -f2-)
  [[ "$leaf" =~ $2 ]] || { echo "FAIL $1 (file name '$leaf')"; return; }
  file=${file:-$WINEPREFIX/drive_c/$leaf}
  got=$(identify -format '%m %wx%h' "$file" 2>&1)
  convert "$work/screen.png" -crop "$3" +repage "$work/want.png"
  diff=$(compare -metric AE "$file" "$work/want.png" null: 2>&1)
  if [ "$got" = "BMP3 ${3%%+*}" ] && [ "$diff" = "0" ]; then echo "PASS $1"; else echo "FAIL $1 ($got, $diff differ)"; fi
}

# One layout: its monitors, the primary's number, the X column of Windows' x = 0, the strip no monitor
# shows (or -), where the drag starts, the left edges of the windows shot, the end-to-end tests run there.
layout() {
  local sizes=$1 primary=$2 ox=$3 strip=$4 from=$5 lefts=$6 tests=$7 at=${1//,/+} left test x result again
  velmora_start_xvfb "$sizes" "$primary" && velmora_start_wine || { echo "FAIL capture_bmp $at (no display)"; return; }
  wine winver >/dev/null 2>&1 &  # Wine's about box: text, a frame and a title bar
  velmora_wait_window '^About' 30 || echo "FAIL capture_bmp $at (no window to capture)"
  [ "$ox" = 0 ] || xdotool search --name '^About' windowmove $((ox - 300)) 60  # across both monitors
  wine "$probe" screen 'C:\warmup.bmp' >/dev/null 2>&1

  import -window root "$work/screen.png"  # before the viewer appears
  wine "$probe" screen 'C:\Kelvo抓屏e2e.bmp' >/dev/null 2>&1
  echo "saved Kelvo抓屏e2e.bmp" >"$work/out"
  check "capture_mode1_screen $at" 'e2e' "$(identify -format '%wx%h' "$work/screen.png")+0+0"
  [ "$strip" = - ] || [ "$(convert "$WINEPREFIX/drive_c/Kelvo抓屏e2e.bmp" -crop "$strip" -format '%[max]' info:)" = 0 ] || echo "FAIL capture_mode1_strip_black $at"

  wine "$probe" pick $((from - 60)) >"$work/out" 2>&1 &
  wait_line '^picker' 30 && sleep 0.5  # the picker is painted before the mouse comes
  x=$((ox + from))  # upward across the read-out, which must not be in the picture
  xdotool mousemove $x 200 mousedown 1 mousemove $((x + 100)) 150 mousemove $((x + 200)) 100 mouseup 1
  wait_line '^done' 30 && import -window root "$work/screen.png"
  check "capture_mode2_pick $at" '^Kelvo抓屏[0-9]{14}\.bmp$' "200x100+$x+100"
  xclip -o -selection clipboard -t image/bmp >"$work/clip.bmp" 2>&1  # Wine's WoW64 gives none of a 32-bit program
  x86_64-w64-mingw32-objdump -f "$probe" | grep -q pei-x86-64 && check "capture_mode2_clipboard $at" '' "200x100+$x+100" "$work/clip.bmp"
  wait $!

  for left in $lefts; do
    wine "$probe" continuous "$left" >"$work/out" 2>&1 &
    wait_line '^done' 60 && import -window root "$work/screen.png"
    check "capture_mode3_shot $at $left" '^Kelvo抓屏[0-9]{8}_[0-9]{6}\.bmp$' "500x400+$((ox + left))+40"
    wait $!
  done

  export VELMORA_DIST=$build/dist
  for test in $tests; do
    for again in first second; do  # as in ctest: a start that fails for Wine's own reasons is run again
      result=PASS && timeout 300 wine "$VELMORA_ROOT/build/windows/tests/e2e/${test%%:*}.exe" --gtest_filter="${test#*:}" >"$work/test" 2>&1 && break
      result=FAIL && cat "$work/test"
    done
    echo "$result ${test%%:*} $at"
  done
  velmora_stop_all
}

layout 1021x767 0 0 - 100 40 ''
layout 1280x720,1024x768 1 1280 1280x48+0+720 -100 '-900 -250' \
  'velmora_e2e_test:VelmoraE2E.TheBarStands* capture_notice_e2e_test:*'
