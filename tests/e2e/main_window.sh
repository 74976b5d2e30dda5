#!/usr/bin/env bash
# The real Vantrel.exe under Wine as its user meets it: the skinned window
# with and without each page, the tray menu, hiding to the tray and coming
# back, dragging, a second start, and quitting. Screenshots go to OUT_DIR.
#   main_window.sh BIN_DIR PREFIX OUT_DIR
set -u
bin=$1 prefix=$2 out=$3
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

cp "$bin/Vantrel.exe" "$work/"
drive reset-settings
$run "$work/Vantrel.exe" & vantrel_pid=$!
drive wait-window VantrelMain 30 || fail "the main window did not appear"

# A first start opens the Windows page.
wait_height 505 "the Windows page did not open at the first start"
shot page_windows
[ "$(drive setting Position)" = 1 ] || fail "Position is not 1 after the first start"

# The Windows tab closes its page; each other tab opens its own.
drive click VantrelMain 59 257
wait_height 270 "the Windows page did not close"
shot no_page
[ "$(drive setting Position)" = 0 ] || fail "closing the page did not store Position 0"
drive click VantrelMain 165 257
wait_height 505 "the Options page did not open"
shot page_options
[ "$(drive setting Position)" = 2 ] || fail "Position is not 2 with the Options page open"
drive click VantrelMain 271 257
sleep 3; wait_height 505 "the Statistics page did not open"
# The window was 505 high already: the stored page tells that it switched.
wait_for 5 setting_is Position 3 || fail "Position is not 3 with the Statistics page open"
shot page_stats
drive click VantrelMain 292 14
sleep 3; wait_height 505 "the Help page did not open"
[ "$(drive frame-visible 3)" = 1 ] && [ "$(drive frame-visible 2)" = 0 ] || fail "the Help page is not the one shown"
shot page_help

# The tray menu opens on a right-button release over the icon.
drive tray 517
drive menu-open 10 || fail "the tray menu did not open"
shot tray_menu
drive menu-close

# Dragging the background moves the window and stores its place.
before=$(drive rect VantrelMain)
drive drag VantrelMain 250 15 -60 -40
after=$(drive rect VantrelMain)
[ "$before" != "$after" ] || fail "dragging did not move the window"
top=$(echo "$after" | awk '{print $2 * 15}')
[ "$(drive setting MainTop)" = "$top" ] || fail "MainTop $(drive setting MainTop) is not the new top $top"

# The minimise button hides the window in the tray; a double click on the
# tray icon brings it back.
drive click VantrelMain 316 14
sleep 1
[ "$(drive visible VantrelMain)" = 0 ] || fail "the minimise button did not hide the window"
drive tray 515
sleep 1
[ "$(drive visible VantrelMain)" = 1 ] || fail "a double click on the tray icon did not show the window"

# A second start shows the running one and leaves. Before it asks, it lets
# the running one come to the front: Windows refuses that to a program the
# user is not using, Wine does not, so the trace of the calls tells.
running=$(drive pid VantrelMain)
$run reg add 'HKCU\Software\Wine\Debug' /v RelayInclude /d 'user32.AllowSetForegroundWindow;user32.PostMessageA' /f \
  >/dev/null 2>&1
WINEDEBUG=+relay timeout 30 $run "$work/Vantrel.exe" 2>"$work/second.trace" || fail "the second start did not end by itself"
$run reg delete 'HKCU\Software\Wine\Debug' /v RelayInclude /f >/dev/null 2>&1
[ "$(drive count VantrelMain)" = 1 ] || fail "two Vantrel windows after a second start"
allowed=$(grep -n "Call user32.AllowSetForegroundWindow($running)" "$work/second.trace" | head -1 | cut -d: -f1)
asked=$(grep -n "Call user32.PostMessageA(" "$work/second.trace" | head -1 | cut -d: -f1)
[ -n "$allowed" ] || fail "the second start did not let the running one ($running) come forward"
[ -n "$asked" ] && [ "$allowed" -lt "$asked" ] || fail "the second start asked before letting the running one come forward"
[ "$(drive visible VantrelMain)" = 1 ] || fail "the running window is not shown after a second start"

# "Quitter" answered Yes ends the program.
drive command VantrelPop 109
drive answer Vantrel yes 10 || fail "no confirmation box for Quitter"
for _ in $(seq 1 100); do kill -0 "$vantrel_pid" 2>/dev/null || break; sleep 0.2; done
kill -0 "$vantrel_pid" 2>/dev/null && fail "Vantrel.exe still runs after Quitter"
wait "$vantrel_pid"; rc=$?
vantrel_pid=
[ "$rc" = 0 ] || fail "Vantrel.exe ended with $rc"
echo "PASS: pages, tray menu, drag, hide and show, single instance and quit"
