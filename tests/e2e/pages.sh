#!/usr/bin/env bash
# The pages with the real Vantrel.exe: a title added and found again after a
# restart, a size rule that closes a browser pop-up, the statistics of two
# kills and the deletion of one, the scrolling help and the sound dialog.
#   pages.sh BIN_DIR PREFIX OUT_DIR
set -u
bin=$1 prefix=$2 out=$3
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
log_lines_are() { test "$(grep -c . "$work/logkill.txt")" = "$1"; }
start() {
  $run "$work/Vantrel.exe" & vantrel_pid=$!
  drive wait-window VantrelMain 30 || fail "the main window did not appear"
  wait_height 505 "the Windows page did not open"
}
quit() {
  drive command VantrelPop 109
  drive answer Vantrel yes 10 || fail "no confirmation box for Quitter"
  wait "$vantrel_pid"
  vantrel_pid=
}

cp "$bin/Vantrel.exe" "$work/"
drive reset-settings
start

# A title typed and added with Enter is in the INI file and back after a restart.
drive settext VantrelMain -1 EDIT 0 "Pub - Netscape"
drive key VantrelMain -1 EDIT 0 13
wait_for 5 grep -q "0=Pub - Netscape" "$work/Vantrel.ini" || fail "the typed title was not stored"
quit
start
[ "$(drive count-items VantrelMain -1 LISTBOX 0)" = 1 ] || fail "the title is not in the list after a restart"

# A size rule typed on the Options page closes a small browser pop-up.
open_tab() {  # open_tab X POSITION: clicks a page tab and waits for its page
  drive click VantrelMain "$1" 257
  wait_for 10 setting_is Position "$2" || fail "the tab at $1 did not open its page"
  wait_standing 505 "the page of the tab at $1 did not open"
}
open_tab 165 2
drive settext VantrelMain 1 EDIT 0 "250"
drive settext VantrelMain 1 EDIT 1 "400"
drive click-frame 1 278 104
wait_for 5 grep -q "C0=250 - 400" "$work/Vantrel.ini" || fail "the size rule was not stored"
shot pages_options_rule
$run "$bin/victim.exe" --log "$(winpath "$work/victim.log")" --seconds 30 \
  "Ad - Mozilla|300|200" "Another ad - Mozilla|320|220" & victim_pid=$!
# One scan closes both, the upper one first.
wait_for 10 grep -q "CLOSE 1 Another ad" "$work/victim.log" || fail "the size rule did not close the pop-ups"
wait_for 10 grep -q "CLOSE 0 Ad - Mozilla" "$work/victim.log" || fail "the first pop-up was not closed"

# The Statistics page shows the two kills; deleting one rewrites the log.
open_tab 271 3
[ "$(drive count-items VantrelMain 2 SysListView32 0)" = 2 ] || fail "the statistics do not show two rows"
shot pages_statistics
drive select VantrelMain 2 SysListView32 0 0
sleep 0.5
drive click-frame 2 282 218
drive answer Attention yes 10 || fail "no confirmation box for deleting a row"
wait_for 5 log_lines_are 1 || fail "the log was not rewritten with one line"
grep -Eq '^[0-9]{4}/[0-9]{2}/[0-9]{2} ;[0-9]{2}:[0-9]{2}:[0-9]{2};(Another ad|Ad) - Mozilla' "$work/logkill.txt" ||
  fail "the remaining log line is not well formed"

# The help text scrolls: the help box (the page's area below its title, not
# the window's title, whose colour changes every second) differs between two
# screenshots a second apart.
drive click VantrelMain 292 14
sleep 3
shot pages_help_1
sleep 1
shot pages_help_2
read -r left top _ _ <<< "$(drive rect VantrelMain)"
help_box="329x200+$((left + 2))+$((top + 300))"
for n in 1 2; do convert "$out/pages_help_$n.png" -crop "$help_box" +repage "$work/help_box_$n.png"; done
diff=$(compare -metric AE "$work/help_box_1.png" "$work/help_box_2.png" null: 2>&1)
[ "${diff%% *}" != 0 ] || fail "the help text did not scroll"

# The sound dialog stores the sound option.
open_tab 165 2
drive click-frame 1 305 38
drive wait-window VantrelSound 10 || fail "the sound dialog did not open"
shot pages_sound_dialog
drive press VantrelSound Son || fail "no Son box in the sound dialog"
wait_for 5 setting_is SonValue 0 || fail "SonValue is not 0 after unticking Son"
drive close VantrelSound
drive gone-window VantrelSound 10 || fail "the sound dialog did not close"
quit
echo "PASS: title list, size rule, statistics, help and sound dialog with the real program"
