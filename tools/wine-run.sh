#!/usr/bin/env bash
# Runs a Windows program under Wine in a prefix of the build's own:
#   wine-run.sh [--prefix DIR] program.exe [args...]
# The prefix is made once (one process at a time: parallel first starts
# race), with the crash dialog off, 96 dpi and a 1280x1024 virtual desktop.
# Without a DISPLAY an Xvfb server of this prefix is started and reused.
# The program's exit code is returned.
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
prefix=${VANTREL_WINEPREFIX:-$PWD/wineprefix}
if [ "${1:-}" = --prefix ]; then prefix=$2; shift 2; fi
[ $# -ge 1 ] || { echo "usage: wine-run.sh [--prefix DIR] program [args...]" >&2; exit 2; }

prefix=$(realpath -m "$prefix")
export WINEPREFIX=$prefix
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winealsa.drv=d"
export WINEARCH=win64
mkdir -p "$(dirname "$prefix")"

lock() { exec 9>"$prefix.lock"; flock 9; }
unlock() { flock -u 9; exec 9>&-; }

if [ -z "${DISPLAY:-}" ]; then
  display=${VANTREL_XVFB_DISPLAY:-77}
  lock
  if [ ! -S "/tmp/.X11-unix/X$display" ] || ! pgrep -f "Xvfb :$display " >/dev/null; then
    rm -f "/tmp/.X11-unix/X$display" "/tmp/.X$display-lock"
    setsid Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 < /dev/null &
    for _ in $(seq 1 100); do [ -S "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
  fi
  unlock
  export DISPLAY=":$display"
fi

if [ ! -f "$prefix/.vantrel-ready" ]; then
  lock
  if [ ! -f "$prefix/.vantrel-ready" ]; then
    wine wineboot -i >/dev/null 2>&1
    wineserver -w
    wine regedit /S "Z:$(echo "$here/wine-prefix.reg" | tr / '\\')" >/dev/null 2>&1
    wineserver -w
    touch "$prefix/.vantrel-ready"
  fi
  unlock
fi

exec wine "$@"
