#!/usr/bin/env bash
# tools/bench --ab [COMMIT]: capture 1 and the start to the bar, this working
# tree against an earlier commit (by default 22351c9, the release before
# capture 1 took in every monitor), both built here and run by turns in one
# run, so that what else the machine does falls on both alike. The earlier
# commit's sources go to build/ab/COMMIT/src (once) and are built in
# build/ab/COMMIT/build with this tree's bench program of capture 1, which
# times the command as a whole and step by step from outside the capture
# code. Each figure is the median of all its runs, (lowest-highest) beside it.
#   VELMORA_AB_ROUNDS (3) rounds of VELMORA_AB_RUNS (7) captures per build
#   and size; VELMORA_AB_STARTS (9) starts of each program (0: none);
#   VELMORA_AB_SIZES ("1920x1080 3840x2160") the screen sizes.
# Not part of tools/test.
set -u
source "$(dirname "$0")/common.sh"
cd "$VELMORA_ROOT"

commit=$(git rev-parse --short "${1:-22351c9}^{commit}") || exit 1
rounds=${VELMORA_AB_ROUNDS:-3}
runs=${VELMORA_AB_RUNS:-7}
starts=${VELMORA_AB_STARTS:-9}
sizes=${VELMORA_AB_SIZES:-1920x1080 3840x2160}
this=${VELMORA_BENCH_BUILD:-$VELMORA_ROOT/build/bench}
ab=$VELMORA_ROOT/build/ab/$commit
that=$ab/build
raw=$(mktemp)
# VELMORA_BENCH_RAW=FILE keeps the raw figures.
trap 'velmora_stop_all; [ -n "${VELMORA_BENCH_RAW:-}" ] && cp "$raw" "$VELMORA_BENCH_RAW"; rm -f "$raw"' EXIT
trap 'exit 130' INT TERM

velmora_ensure_packages
load_at_start=$(cut -d' ' -f1-3 /proc/loadavg)

# Configures (once) and builds what the comparison runs.
build_tree() {
  local source=$1 build=$2
  shift 2
  if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$source" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$source/cmake/mingw-w64-x86_64.cmake" >/dev/null || exit 1
  fi
  cmake --build "$build" -j2 --target "$@" >/dev/null || exit 1
}

velmora_log "building this tree in $this"
build_tree "$VELMORA_ROOT" "$this" mode1_bench startup_bench empty_window empty_window_dlls velmora velmora_data
velmora_log "building $commit in $that"
if [ ! -f "$ab/src/CMakeLists.txt" ]; then
  rm -rf "$ab/src"
  mkdir -p "$ab/src"
  git archive "$commit" | tar -x -C "$ab/src" || exit 1
fi
for file in mode1_bench.cpp bench_stats.h bench_stats.cpp; do
  cmp -s "bench/$file" "$ab/src/bench/$file" || cp "bench/$file" "$ab/src/bench/$file"
done
grep -q mode1_bench "$ab/src/bench/CMakeLists.txt" ||
  echo 'velmora_bench(mode1_bench SOURCES mode1_bench.cpp bench_stats.cpp LIBS velmora_capture)' >>"$ab/src/bench/CMakeLists.txt"
build_tree "$ab/src" "$that" mode1_bench velmora velmora_data

for size in $sizes; do
  velmora_log "capture 1 at $size: $rounds rounds of $runs, by turns"
  velmora_start_xvfb "$size" || exit 1
  velmora_start_wine
  for round in $(seq 1 "$rounds"); do
    # Each build goes first in every other round.
    sides="earlier this"
    [ $((round % 2)) -eq 0 ] && sides="this earlier"
    for side in $sides; do
      dir=$this
      [ "$side" = earlier ] && dir=$that
      wine "$dir/bench-bin/mode1_bench.exe" "$runs" 2>/dev/null | tr -d '\r' | sed "s/^/$size.$side./" >>"$raw"
    done
  done
  if [ "$size" = 1920x1080 ] && [ "$starts" -gt 0 ]; then
    velmora_log "start-up: $starts starts of each, by turns"
    wine "$this/bench-bin/startup_bench.exe" turns "$starts" \
      empty "$(winepath -w "$this/bench-bin/empty_window.exe")" VelmoraBenchFirst Click VelmoraBenchSecond \
      dlls "$(winepath -w "$this/bench-bin/empty_window_dlls.exe")" VelmoraBenchFirst Click VelmoraBenchSecond \
      earlier "$(winepath -w "$that/dist/Velmora.exe")" VelmoraSplash Ver:1.1.0 VelmoraBar \
      this "$(winepath -w "$this/dist/Velmora.exe")" VelmoraSplash Ver:1.1.0 VelmoraBar \
      2>/dev/null | tr -d '\r' >>"$raw"
  fi
  velmora_stop_all
done

# "median min max" of a key: over all its runs, or as startup_bench gave it.
stats() {
  awk -v k="$1" '$1 == k { v[n++] = $2 } $1 == k ".min" { lo = $2 } $1 == k ".max" { hi = $2 }
    END {
      if (n == 0) exit
      for (i = 0; i < n; i++) for (j = i + 1; j < n; j++) if (v[j] < v[i]) { t = v[i]; v[i] = v[j]; v[j] = t }
      m = n % 2 ? v[(n - 1) / 2] : (v[n / 2 - 1] + v[n / 2]) / 2
      if (lo == "") { lo = v[0]; hi = v[n - 1] }
      printf "%s %s %s\n", m, lo, hi
    }' "$raw"
}

cell() {
  local s
  s=$(stats "$1" | awk '{ printf "%6.1f (%.1f-%.1f)", $1, $2, $3 }')
  printf '%-22s' "${s:-     -}"
}

median() { stats "$1" | cut -d' ' -f1; }

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (a == "" || b == "" || b + 0 == 0) printf "-"; else printf "%.2fx", a / b }'; }

# One row: what, the key after "earlier."/"this." (with an optional prefix).
row() {
  local what=$1 prefix=$2 key=$3 e t
  e=$(median "${prefix}earlier.$key")
  t=$(median "${prefix}this.$key")
  printf '%-44s %s %s %s\n' "$what" "$(cell "${prefix}earlier.$key")" "$(cell "${prefix}this.$key")" "$(ratio "$t" "$e")"
}

# A ratio within each build: what, key over reference key (the same for
# both builds when it names one of the empty programs), target.
ratio_row() {
  local what=$1 prefix=$2 key=$3 ref=$4 target=$5 e t refe=${2}earlier.$4 reft=${2}this.$4
  case $ref in empty.* | dlls.*) refe=$ref reft=$ref ;; esac
  e=$(ratio "$(median "${prefix}earlier.$key")" "$(median "$refe")")
  t=$(ratio "$(median "${prefix}this.$key")" "$(median "$reft")")
  printf '%-44s %-22s %-22s %s\n' "$what" "$e" "$t" "target <=${target}x"
}

# The least capture 1 can take against its reference, for each build: a
# bare read and a bare window, against the bare read alone.
floor_row() {
  local what=$1 prefix=$2 side out=()
  for side in earlier this; do
    out+=("$(awk -v b="$(median "${prefix}$side.bare_blit_ms")" -v w="$(median "${prefix}$side.bare_window_ms")" \
      'BEGIN { if (b == "" || w == "" || b + 0 == 0) printf "-"; else printf "%.2fx", (b + w) / b }')")
  done
  printf '%-44s %-22s %-22s %s\n' "$what" "${out[0]}" "${out[1]}" "(the floor under Wine)"
}

dirty=$(git status --porcelain --untracked-files=no | grep -q . && echo " with uncommitted changes")
echo
echo "Velmora A/B, $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores, $(awk -F': ' '/model name/ { print $2; exit }' /proc/cpuinfo), $(wine --version 2>/dev/null)"
echo "earlier: $commit; this: $(git rev-parse --short HEAD)$dirty"
echo "load at start $load_at_start, at end $(cut -d' ' -f1-3 /proc/loadavg)"
echo "ms, median (lowest-highest) of $((rounds * runs)) captures per build and size, $starts starts per program"
printf '%-44s %-22s %-22s %s\n' "figure" "earlier" "this" "this/earlier"
for size in $sizes; do
  row "[$size] capture 1 to the painted viewer" "$size." mode1_ms
  row "[$size] bare BitBlt of the screen" "$size." bare_blit_ms
  ratio_row "[$size] capture 1 vs bare BitBlt" "$size." mode1_ms bare_blit_ms 1.25
  row "[$size] bare window made, shown, painted" "$size." bare_window_ms
  floor_row "[$size] floor: bare BitBlt + window vs BitBlt" "$size."
  row "  steps: compositor wait (the bar's commands)" "$size." step_compositor_wait_ms
  row "    the two viewer windows made" "$size." step_windows_made_ms
  row "    the monitors enumerated" "$size." step_monitors_ms
  row "    the memory check" "$size." step_memory_check_ms
  row "    the screen read" "$size." step_screen_read_ms
  row "    its thread started and ended" "$size." step_read_thread_ms
  row "    the picture placed in both viewers" "$size." step_picture_placed_ms
  row "    the viewer shown" "$size." step_shown_ms
  row "    its first paint" "$size." step_painted_ms
  row "  the read with a viewer made meanwhile" "$size." beside_read_and_window_ms
  row "    the viewer made, from the read's start" "$size." beside_window_made_ms
done
row "start-up to the bar (splash clicked)" "" start_ms
ratio_row "start-up vs the empty program" "" start_ms "empty.start_ms" 1.3
row "  start to the splash made" "" first_made_ms
row "  start to the splash shown" "" first_window_ms
row "  click to the bar made" "" click_to_second_made_ms
row "  click to the bar shown" "" click_to_second_ms
printf '%-44s %s\n' "the empty program: start to its second window" "$(cell empty.start_ms)"
printf '%-44s %s\n' "  start to its first window shown" "$(cell empty.first_window_ms)"
printf '%-44s %s\n' "  click to its second window shown" "$(cell empty.click_to_second_ms)"
ratio_row "start-up vs the empty program, DLLs, CJK line" "" start_ms "dlls.start_ms" 1.3
printf '%-44s %s\n' "the empty program with the DLLs and CJK line" "$(cell dlls.start_ms)"
printf '%-44s %s\n' "  start to its first window shown" "$(cell dlls.first_window_ms)"
