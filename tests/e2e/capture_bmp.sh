#!/usr/bin/env bash
# The capture routines' BMP files, checked by an independent decoder: for a
# usual screen and one of odd width (rows then need padding), a capture of
# the whole screen is written by our code under Wine, ImageMagick reads it
# back, and its size and every pixel must equal ImageMagick's own dump of the
# X screen. Prints "PASS name" / "FAIL name" lines.
set -u
source "$(dirname "$0")/../../tools/common.sh"
build=${VELMORA_BUILD:-$VELMORA_ROOT/build/windows}
probe=$build/velmora/capture/capture_probe.exe
work=$(mktemp -d)
trap 'velmora_stop_all; rm -rf "$work"' EXIT

if [ ! -f "$probe" ]; then
  echo "FAIL capture_bmp_probe_built ($probe missing)"
  exit 0
fi

check_screen() {
  local size=$1 name=capture_bmp_$1
  velmora_start_xvfb "$size" && velmora_start_wine || { echo "FAIL $name (no display)"; return; }
  # Wine's about box gives the screen text, a frame and a title bar (and no
  # blinking caret) to compare; it also brings up Wine's virtual desktop.
  wine winver >/dev/null 2>&1 &
  velmora_wait_window '^About' 30 || { echo "FAIL $name (no window to capture)"; velmora_stop_all; return; }
  wine "$probe" 'C:\warmup.bmp' >/dev/null 2>&1
  local out
  out=$(wine "$probe" 'C:\Kelvo抓屏e2e.bmp' 2>&1 | tr -d '\r')
  import -window root "$work/screen-$size.png"
  local bmp="$WINEPREFIX/drive_c/Kelvo抓屏e2e.bmp"
  if [ ! -f "$bmp" ]; then
    echo "FAIL $name (no file written: $out)"
  else
    local got want diff colours
    got=$(identify -format '%m %wx%h' "$bmp" 2>&1)
    want="BMP3 $size"  # BITMAPINFOHEADER, the classic Windows layout
    if [ "$got" = "$want" ]; then echo "PASS ${name}_size"; else echo "FAIL ${name}_size (read '$got', want '$want')"; fi
    diff=$(compare -metric AE "$bmp" "$work/screen-$size.png" null: 2>&1)
    colours=$(identify -format '%k' "$bmp" 2>&1)
    if [ "$diff" = "0" ] && [ "${colours:-0}" -gt 8 ]; then
      echo "PASS ${name}_pixels"
    else
      echo "FAIL ${name}_pixels ($diff pixels differ, $colours colours)"
    fi
  fi
  velmora_stop_all
}

check_screen 1920x1080
check_screen 1021x767
