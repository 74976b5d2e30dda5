#!/usr/bin/env bash
# The real Vantrel.exe on a busy desktop (800 other windows): the watch goes
# on while the user has the tray menu or a confirmation box open. The menu
# is opened by a real right click on the tray icon at a moment the desktop
# is being read; a pop-up shown while it stands is closed while it still
# stands. Keys typed into the "Attention" box reach the box.
#   watch.sh BIN_DIR PREFIX OUT_DIR
set -u
bin=$1 prefix=$2 out=$3
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
mix_pid=

cp "$bin/Vantrel.exe" "$work/"
printf '[Vantrel]\r\nNbCondition=1\r\nC0=250 - 400\r\n' > "$work/Vantrel.ini"
printf '2003/04/16 ;14:32:05;Old - Mozilla\r\n2003/04/16 ;14:33:00;Older - Mozilla\r\n' > "$work/logkill.txt"
drive reset-settings

# 800 windows of another program, in the mix of a desktop in use.
$run "$bin/victim.exe" --log "$(winpath "$work/mix.log")" --mix 800 --seconds 600 & mix_pid=$!
wait_for 60 grep -qs READY "$work/mix.log" || fail "the 800 windows did not come up"
$run "$work/Vantrel.exe" & vantrel_pid=$!
drive wait-window VantrelMain 30 || fail "the main window did not appear"
sleep 2

kills_before() { grep -c "Mozilla" "$work/logkill.txt"; }
# A pop-up of 300 x 200 that the rule "250 - 400" closes; the victim logs the
# time from its showing to the close request.
popup() {  # popup NAME
  $run "$bin/victim.exe" --log "$(winpath "$work/$1.log")" --latency 1 --seconds 30 &
  wait_for 20 grep -qs "^LATENCY" "$work/$1.log"
}

# Five openings of the tray menu at different moments of the watch period.
for round in 1 2 3 4 5; do
  sleep "0.$((round * 17 % 10))"
  drive input-tray right
  drive menu-open 10 || fail "round $round: a right click on the tray icon did not open the menu"
  popup "menu$round" || fail "round $round: a pop-up shown under the open tray menu was not closed"
  drive menu-open 0 || fail "round $round: the menu was no longer open when the pop-up was closed"
  echo "round $round: closed under the menu, $(grep ^LATENCY "$work/menu$round.log" | tr -d '\r' | awk '{print $3}') ms after it showed"
  [ "$round" = 2 ] && shot watch_menu_standing
  drive input-keys 27
  drive gone-window "#32768" 10 || fail "round $round: Escape did not close the menu"
done

# The "Attention" box of the Statistics page, opened by real clicks: the
# Statistics tab, then "Tout Supprimer".
drive mouse-click VantrelMain -1 271 257
wait_for 10 setting_is Position 3 || fail "a click on the Statistics tab did not switch the page"
wait_standing 505 "the Statistics page did not open"
drive mouse-click VantrelMain -1 60 485
drive box-open Attention 10 || fail "'Tout Supprimer' did not ask for confirmation"
popup box || fail "a pop-up shown while the Attention box stands was not closed"
shot watch_box_standing
# Tab moves from "Oui" to "Non", the space bar presses it: the log is kept.
drive input-keys 9 32
wait_for 10 bash -c "! $run $bin/driver.exe box-open Attention 0" || fail "the keys did not answer the Attention box"
grep -q "Old - Mozilla" "$work/logkill.txt" || fail "the kill log was emptied: Tab did not reach the box"
kill -0 "$vantrel_pid" 2>/dev/null || fail "Vantrel.exe is no longer running"
echo "PASS: the watch closes pop-ups under the tray menu and the Attention box, and keys reach the box"
