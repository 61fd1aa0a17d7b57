# Shared by tools/test, tools/run and tools/bench: packages, the virtual
# display and the Wine prefix. Everything started here is stopped by
# velmora_stop_all, by process id.

VELMORA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# The 32-bit programs need the i686 cross compiler and 32-bit Wine, which
# comes from Debian's i386 architecture: wine32 beside wine64 runs 32- and
# 64-bit programs in one 64-bit prefix.
VELMORA_PACKAGES=(cmake ninja-build g++ googletest clang libclang-rt-14-dev g++-mingw-w64-x86-64
  g++-mingw-w64-i686-posix wine wine64 wine32:i386 xvfb xdotool
  imagemagick xclip x11-apps x11-utils fonts-noto-cjk fonts-wine xserver-xephyr)
VELMORA_PIDS=()

velmora_log() { printf '[velmora] %s\n' "$*" >&2; }

# Installs the Debian packages that are missing (as root), or says which
# lines to run (as anyone else) and stops. A package of another architecture
# (name:i386) first has that architecture added to dpkg; run again, nothing
# is done twice.
velmora_ensure_packages() {
  local missing=() arches=() p arch log
  for p in "${VELMORA_PACKAGES[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' && continue
    missing+=("$p")
    arch=${p#*:}
    if [ "$arch" != "$p" ] && [ "$arch" != "$(dpkg --print-architecture)" ] &&
      ! dpkg --print-foreign-architectures | grep -qx "$arch" && [[ " ${arches[*]} " != *" $arch "* ]]; then
      arches+=("$arch")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages. Run:" >&2
    for arch in "${arches[@]}"; do echo "  sudo dpkg --add-architecture $arch" >&2; done
    echo "  sudo apt-get update && sudo apt-get install -y --no-install-recommends ${missing[*]}" >&2
    exit 2
  fi
  velmora_log "installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  for arch in "${arches[@]}"; do dpkg --add-architecture "$arch" || exit 2; done
  log=$(mktemp)
  # A stale package list is the usual reason an install fails: the lists are
  # read anew (and again once more after a failure) before installing.
  if ! { apt-get update -qq && apt-get install -y -qq --no-install-recommends "${missing[@]}"; } >"$log" 2>&1 &&
    ! { apt-get update -qq && apt-get install -y -qq --no-install-recommends "${missing[@]}"; } >"$log" 2>&1; then
    tail -n 20 "$log" >&2
    rm -f "$log"
    velmora_log "could not install ${missing[*]}"
    exit 2
  fi
  rm -f "$log"
}

# Builds some targets of one preset's tree, configuring it first when needed.
velmora_build_targets() {
  local preset=$1
  shift
  if [ ! -f "$VELMORA_ROOT/build/$preset/build.ninja" ]; then
    cmake --preset "$preset" -S "$VELMORA_ROOT" >/dev/null || return 1
  fi
  cmake --build "$VELMORA_ROOT/build/$preset" -j"${VELMORA_JOBS:-$(nproc)}" --target "$@"
}

velmora_build() {
  local preset
  for preset in "$@"; do
    if [ ! -f "$VELMORA_ROOT/build/$preset/build.ninja" ]; then
      cmake --preset "$preset" -S "$VELMORA_ROOT" >/dev/null || return 1
    fi
    cmake --build "$VELMORA_ROOT/build/$preset" -j"${VELMORA_JOBS:-$(nproc)}" || return 1
  done
}

# Starts an X server on the first free display, its number put after the
# program's name; sets DISPLAY.
velmora_start_server() {
  local n waited
  for n in $(seq 91 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    "$1" ":$n" "${@:2}" -nolisten tcp >/dev/null 2>&1 &
    VELMORA_PIDS+=($!)
    waited=0
    while [ ! -e "/tmp/.X11-unix/X$n" ] && [ $waited -lt 100 ]; do sleep 0.1; waited=$((waited + 1)); done
    # The number is ours only if our server holds its lock: another run may
    # have started one there at the same moment.
    if [ -e "/tmp/.X11-unix/X$n" ] && [ "$(tr -d ' \n' <"/tmp/.X$n-lock" 2>/dev/null)" = "$!" ]; then
      export DISPLAY=":$n"
      return 0
    fi
  done
  velmora_log "no free display for $1"
  return 1
}

# Starts the display; sets DISPLAY. One size is one Xvfb screen. Sizes joined
# by commas (1280x720,1024x768) are monitors side by side from left to right,
# the one numbered by the second argument (from 0) the primary: Xephyr shows
# them as the screens of one Xinerama display, inside a hidden Xvfb.
velmora_start_xvfb() {
  local size=${1:-1920x1080} screens=() width=0 height=0 s
  VELMORA_PRIMARY=${2:-0}
  if [[ $size != *,* ]]; then
    velmora_start_server Xvfb -screen 0 "${size}x24" || return 1
  else
    for s in ${size//,/ }; do
      screens+=(-screen "${s}x24")
      width=$((width + ${s%x*}))
      [ "${s#*x}" -gt $height ] && height=${s#*x}
    done
    velmora_start_server Xvfb -screen 0 "${width}x${height}x24" &&
      velmora_start_server Xephyr "${screens[@]}" +xinerama -br -ac -noreset || return 1
  fi
  VELMORA_SCREEN=$size
}

# A 64-bit prefix: with 32-bit Wine installed it runs the 32-bit programs too.
velmora_wine_env() {
  export WINEPREFIX=$1 WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LANG=C.UTF-8 LC_ALL=C.UTF-8
}

# Writes the registry settings of a test prefix: a virtual desktop the size of
# the screen, Chinese fonts linked, .txt files opening in notepad.
velmora_prefix_settings() {
  local size=$1 reg="$WINEPREFIX/velmora.reg"
  local sans="Noto Sans CJK SC" serif="Noto Serif CJK SC" face
  {
    printf 'Windows Registry Editor Version 5.00\r\n\r\n'
    if [[ $size == *,* ]]; then
      # Several monitors: no virtual desktop, which would be one monitor, and
      # the monitors read from Xinerama, which Wine does only without RandR.
      printf '[-HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\r\n\r\n'
      printf '[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"UseXRandR"="N"\r\n"UseXVidMode"="N"\r\n'
      printf '"PrimaryMonitor"="%s"\r\n\r\n' "${VELMORA_PRIMARY:-0}"
    else
      printf '[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\r\n"Desktop"="Default"\r\n\r\n'
      printf '[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\r\n"Default"="%s"\r\n\r\n' "$size"
    fi
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
    for face in SimSun 宋体 NSimSun 新宋体 KaiTi 楷体_GB2312 楷体 隶书 仿宋_GB2312 仿宋; do
      printf '"%s"="%s"\r\n' "$face" "$serif"
    done
    for face in SimHei 黑体 "Microsoft YaHei" 微软雅黑; do printf '"%s"="%s"\r\n' "$face" "$sans"; done
    printf '\r\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink]\r\n'
    for face in Tahoma "Microsoft Sans Serif" "MS Shell Dlg" "MS Shell Dlg 2" "Segoe UI"; do
      printf '"%s"=hex(7):%s\r\n' "$face" "$(printf 'NotoSansCJK-Regular.ttc,%s\0\0' "$sans" | iconv -f UTF-8 -t UTF-16LE | od -An -tx1 -v | tr -s ' \n' ',' | sed 's/^,//;s/,$//')"
    done
    printf '\r\n[HKEY_CLASSES_ROOT\\.txt]\r\n@="txtfile"\r\n\r\n'
  } | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$reg"
  wine regedit /S "$reg" >/dev/null 2>&1
}

# Prepares (once) and copies a Wine prefix for this run; starts its server.
# The settings go in before any program runs: Wine's desktop process reads
# them when it starts.
velmora_start_wine() {
  local size=${VELMORA_SCREEN:-1920x1080}
  # $BASHPID, not $$: a subshell that starts a prefix of its own must not
  # take (and at its end remove) the prefix of the shell it came from.
  local template="$VELMORA_ROOT/build/wine/template" run="$VELMORA_ROOT/build/wine/run-$BASHPID"
  mkdir -p "$VELMORA_ROOT/build/wine"
  # Runs that start side by side take turns to prepare the one template.
  (
    flock 9
    # A template made before 32-bit Wine was installed lacks the 32-bit
    # system (syswow64): it is made again.
    if [ ! -f "$template/.velmora-ready" ] || [ ! -f "$template/drive_c/windows/syswow64/kernel32.dll" ]; then
      rm -rf "$template"
      mkdir -p "$template"
      velmora_wine_env "$template"
      velmora_log "preparing the Wine prefix (once)"
      wineboot -u >/dev/null 2>&1
      velmora_prefix_settings 1920x1080
      wineserver -w
      touch "$template/.velmora-ready"
    fi
  ) 9>"$VELMORA_ROOT/build/wine/template.lock"
  rm -rf "$run"
  cp -a "$template" "$run"
  velmora_wine_env "$run"
  VELMORA_PREFIX=$run
  if [ "$size" != 1920x1080 ]; then
    velmora_prefix_settings "$size"
    wineserver -k >/dev/null 2>&1
    wineserver -w
  fi
  wineserver -p >/dev/null 2>&1
  # Several monitors have no desktop window to wait for: the first program
  # starts Wine's desktop process, which ends a moment after the last window.
  [[ $size == *,* ]] && return 0
  # Start the desktop now, detached from any caller's output: a desktop
  # started by a test program would inherit its pipes and hold ctest open.
  wine explorer.exe "/desktop=Default,$size" >/dev/null 2>&1 &
  VELMORA_PIDS+=($!)
  velmora_wait_window 'Wine desktop' 30 || velmora_log "the Wine desktop did not appear"
}

velmora_stop_all() {
  if [ -n "${VELMORA_PREFIX:-}" ]; then
    WINEPREFIX=$VELMORA_PREFIX wineserver -k >/dev/null 2>&1
    rm -rf "$VELMORA_PREFIX"
    VELMORA_PREFIX=
  fi
  local pid
  for pid in "${VELMORA_PIDS[@]}"; do kill "$pid" 2>/dev/null; done
  for pid in "${VELMORA_PIDS[@]}"; do wait "$pid" 2>/dev/null; done
  VELMORA_PIDS=()
}

# Waits until a window whose name matches appears on the display.
velmora_wait_window() {
  local pattern=$1 seconds=${2:-30} i
  for i in $(seq 1 $((seconds * 10))); do
    xdotool search --name "$pattern" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}
