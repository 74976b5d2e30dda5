#!/usr/bin/env bash
# The menu gallery under Wine: each of its popups opened at a fixed place,
# once as it opens and once with the highlight moved down by the keyboard,
# and a screenshot of each in OUT_DIR (menu_gallery_N.png,
# menu_gallery_N_selected.png); the generated lists of popup 6 opened
# through their items (menu_gallery_6_colours.png and the others).
#   menu_gallery.sh BIN_DIR PREFIX OUT_DIR
set -u
bin=$1 prefix=$2 out=$3
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
gallery_pid=

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

# The colour of one screen pixel of a screenshot, as "R G B".
pixel() { convert "$out/$1.png" -format "%[fx:int(255*p{$2,$3}.r)] %[fx:int(255*p{$2,$3}.g)] %[fx:int(255*p{$2,$3}.b)]" info:; }
is_colour() {  # is_colour SHOT X Y AWK-TEST-ON-r,g,b DESCRIPTION
  local rgb; rgb=$(pixel "$1" "$2" "$3")
  echo "$rgb" | awk "{ r = \$1; g = \$2; b = \$3; exit !($4) }" || fail "$5 (pixel $2,$3 of $1 is $rgb)"
}

# The popups open at (80, 80); a few pixels per popup are checked: the
# sidebar's gradient, the highlight of the selected row, a separator line.
open_popup 1 0 menu_gallery_1
is_colour menu_gallery_1 90 90 "b > r + 80 && g < 140" "the picture sidebar does not start dark blue"
is_colour menu_gallery_1 90 255 "g > 200 && b > 200 && r < 80" "the picture sidebar does not end cyan"
is_colour menu_gallery_1 230 115 "r > 240 && g > 240 && b > 240" "a row is highlighted before any selection"
separator=0
for y in $(seq 200 216); do
  rgb=$(pixel menu_gallery_1 200 "$y")
  echo "$rgb" | awk '{ exit !($1 == $2 && $2 == $3 && $1 > 100 && $1 < 210) }' && separator=1
done
[ "$separator" = 1 ] || fail "no separator line above 'Statistiques' in popup 1"
open_popup 1 3 menu_gallery_1_selected
is_colour menu_gallery_1_selected 230 115 "b > r + 40 && r < 230" "the selected row 'Ouvrir' is not highlighted"
is_colour menu_gallery_1_selected 230 93 "r > 240 && g > 240 && b > 240" "the row above the selection is highlighted too"
open_popup 2 0 menu_gallery_2
is_colour menu_gallery_2 90 100 "b > r + 100" "the text sidebar is not blue"
is_colour menu_gallery_2 230 115 "r > 240 && g > 240 && b > 240" "a row of popup 2 is highlighted before any selection"
open_popup 2 3 menu_gallery_2_selected
is_colour menu_gallery_2_selected 230 115 "b > r + 40 && r < 230" "the selected row 'Coché' is not highlighted"
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
