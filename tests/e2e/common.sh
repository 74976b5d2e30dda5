# Shared by the end-to-end scripts: sourced after bin, prefix and out are set.
#   BIN_DIR holds Vantrel.exe, driver.exe and victim.exe; PREFIX is the
#   build's Wine prefix; OUT_DIR receives the screenshots.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
run="$here/../../tools/wine-run.sh --prefix $prefix"
winpath() { echo "Z:$(echo "$1" | tr / '\\')"; }
# The driver writes Windows line ends.
drive() {
  $run "$bin/driver.exe" "$@" | tr -d "\r"
  return "${PIPESTATUS[0]}"
}
fail() { echo "FAIL: $*"; exit 1; }
shot() {
  sleep 0.5
  DISPLAY=${DISPLAY:-:${VANTREL_XVFB_DISPLAY:-77}} import -window root "$out/$1.png" 2>/dev/null ||
    echo "note: no screenshot $1"
}
height() { drive rect VantrelMain | awk '{print $4 - $2}'; }
wait_height() {
  for _ in $(seq 1 100); do [ "$(height)" = "$1" ] && return 0; sleep 0.2; done
  fail "$2 (window height $(height), expected $1)"
}
setting_is() { test "$(drive setting "$1")" = "$2"; }
# Waits until the main window stands at HEIGHT for three readings in a row:
# a page switch from a page of the same height shrinks and grows the window
# in between, and a click made meanwhile would land where it stood.
wait_standing() {  # wait_standing HEIGHT MESSAGE
  local same=0
  for _ in $(seq 1 100); do
    if [ "$(height)" = "$1" ]; then same=$((same + 1)); else same=0; fi
    [ "$same" -ge 3 ] && return 0
    sleep 0.3
  done
  fail "$2 (window height $(height), expected $1)"
}
wait_for() {  # wait_for SECONDS COMMAND...: polls until the command succeeds
  local seconds=$1; shift
  for _ in $(seq 1 $((seconds * 5))); do "$@" && return 0; sleep 0.2; done
  return 1
}
# Every script works in a folder of its own, removed at the end with
# whatever it started.
work=$(mktemp -d "${TMPDIR:-/tmp}/vantrel-e2e.XXXXXX")
mkdir -p "$out"
cleanup() {
  [ -n "${vantrel_pid:-}" ] && kill "$vantrel_pid" 2>/dev/null
  [ -n "${victim_pid:-}" ] && kill "$victim_pid" 2>/dev/null
  [ -n "${mix_pid:-}" ] && kill "$mix_pid" 2>/dev/null
  [ -n "${gallery_pid:-}" ] && kill "$gallery_pid" 2>/dev/null
  wait 2>/dev/null
  drive reset-settings >/dev/null 2>&1
  rm -rf "$work"
}
trap cleanup EXIT
