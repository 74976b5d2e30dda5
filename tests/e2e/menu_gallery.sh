#!/usr/bin/env bash
# The menu gallery under Wine: each of its popups opened at a fixed place,
# once as it opens and once with the highlight moved down by the keyboard,
# and a screenshot of each in OUT_DIR (menu_gallery_N.png,
# menu_gallery_N_selected.png); the generated lists of popup 6 opened
# through their items (menu_gallery_6_colours.png and the others).
#   menu_gallery.sh BIN_DIR PREFIX OUT_DIR
set -u
bin=$1 prefix=$2 out=$3
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
run="$here/../../tools/wine-run.sh --prefix $prefix"

work=$(mktemp -d "${TMPDIR:-/tmp}/vantrel-gallery.XXXXXX")
mkdir -p "$out"
gallery_pid=
cleanup() {
  [ -n "$gallery_pid" ] && kill "$gallery_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }
winpath() { echo "Z:$1" | tr / '\\'; }

# open N SELECT NAME [RIGHT]: opens popup N, moves the highlight SELECT
# times (and with RIGHT 1 opens the highlighted item's submenu), takes the
# screenshot NAME once the popup is shown, then lets the gallery close.
open_popup() {
  local n=$1 select=$2 name=$3 right=${4:-0} flag="$work/open_$3"
  $run "$bin/menu_gallery.exe" --open "$n" --select "$select" --right "$right" --flag "$(winpath "$flag")" &
  gallery_pid=$!
  for _ in $(seq 1 150); do [ -f "$flag" ] && break; sleep 0.2; done
  [ -f "$flag" ] || fail "popup $n did not open"
  sleep 1
  DISPLAY=${DISPLAY:-:${VANTREL_XVFB_DISPLAY:-77}} import -window root "$out/$name.png" 2>/dev/null ||
    fail "no screenshot $name"
  touch "$flag.done"
  wait "$gallery_pid"; local rc=$?
  gallery_pid=
  [ "$rc" = 0 ] || fail "the gallery ended with $rc after popup $n"
}

open_popup 1 0 menu_gallery_1
open_popup 1 3 menu_gallery_1_selected
open_popup 2 0 menu_gallery_2
open_popup 2 3 menu_gallery_2_selected
open_popup 3 2 menu_gallery_3
open_popup 4 0 menu_gallery_4
open_popup 4 2 menu_gallery_4_selected
open_popup 5 1 menu_gallery_5
open_popup 6 0 menu_gallery_6
open_popup 6 1 menu_gallery_6_colours 1
open_popup 6 2 menu_gallery_6_list 1
open_popup 6 3 menu_gallery_6_combo 1
open_popup 6 4 menu_gallery_6_months 1
open_popup 6 7 menu_gallery_6_february 1
echo "PASS: every popup of the gallery opened; screenshots in $out"
