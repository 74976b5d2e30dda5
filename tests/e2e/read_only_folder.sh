#!/usr/bin/env bash
# Vantrel started from a folder it cannot write to (a read-only mount of a
# copy of its folder, as a folder under "Program Files" is for a standard
# user): one box says so at start, the window works, a title typed and added
# by a click is refused with a box and not shown as kept, and a kill whose
# log line cannot be written closes its window without another box. Then a
# writable folder whose kill log refuses its lines: no box at start, one box
# at the first kill, none at the next.
#   read_only_folder.sh BIN_DIR PREFIX OUT_DIR
# Making a folder read-only needs root (a read-only bind mount, or else the
# immutable attribute); without either the test is skipped (status 77).
set -u
bin=$1 prefix=$2 out=$3
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

made_read_only=
immutable_log=
release_folder() {
  [ -n "${vantrel_pid:-}" ] && kill "$vantrel_pid" 2>/dev/null
  [ -n "${victim_pid:-}" ] && kill "$victim_pid" 2>/dev/null
  wait 2>/dev/null
  vantrel_pid= victim_pid=
  case "$made_read_only" in
    mount) umount "$work/program" 2>/dev/null || umount -l "$work/program" ;;
    immutable) chattr -R -i "$work/program" ;;
  esac
  made_read_only=
  [ -n "$immutable_log" ] && chattr -i "$immutable_log"
  immutable_log=
}
trap 'release_folder; cleanup' EXIT
no_box() { ! drive box-open Vantrel 0.2; }

mkdir "$work/program"
cp "$bin/Vantrel.exe" "$work/program/"
printf '[Vantrel]\r\nNbOcc=1\r\n0=Stored - Mozilla\r\n' > "$work/program/Vantrel.ini"
cp "$work/program/Vantrel.ini" "$work/ini.before"
if mount --bind "$work/program" "$work/program" 2>/dev/null; then
  if mount -o remount,bind,ro "$work/program" 2>/dev/null; then made_read_only=mount; else umount "$work/program"; fi
fi
if [ -z "$made_read_only" ] && chattr -R +i "$work/program" 2>/dev/null; then made_read_only=immutable; fi
if [ -z "$made_read_only" ] || touch "$work/program/probe" 2>/dev/null ||
  { echo >> "$work/program/Vantrel.ini"; } 2>/dev/null; then
  echo "SKIP: no way to make a folder read-only here (needs root: mount --bind, or chattr +i)"
  exit 77
fi

drive reset-settings
$run "$work/program/Vantrel.exe" & vantrel_pid=$!
drive wait-window VantrelMain 30 || fail "the main window did not appear"

# The start-up box: the folder, what is not kept, what to do.
text=$(drive box-text Vantrel 30) || fail "no box about the folder at start"
shot read_only_start_box
for words in "ne peut pas" "$(winpath "$work/program")" "Documents"; do
  grep -qF -- "$words" <<<"$text" || fail "the start-up box does not say \"$words\"; it reads:
$text"
done
drive answer Vantrel ok 10
wait_for 10 no_box || fail "the start-up box did not close"
# Once: no box comes back.
if drive box-open Vantrel 3; then fail "a second box came after the start-up box: $(drive box-text Vantrel 1)"; fi

# The window works: the Windows page opens and the stored title is listed.
wait_height 505 "the Windows page did not open"
[ "$(drive count-items VantrelMain -1 LISTBOX 0)" = 1 ] || fail "the stored title is not listed"

# A title typed and added by a click on "Ajouter" is refused with a box.
drive mouse-click VantrelMain -1 120 50
drive input-keys 80 85 66
wait_for 5 test "$(drive text VantrelMain -1 EDIT 0)" = pub || fail "the typed title is not in the entry box"
drive mouse-click VantrelMain -1 278 50
text=$(drive box-text Vantrel 10) || fail "no box when the title could not be stored"
shot read_only_add_refused
grep -qF 'Vantrel.ini' <<<"$text" || fail "the refusal does not name Vantrel.ini: $text"
[ "$(drive count-items VantrelMain -1 LISTBOX 0)" = 1 ] || fail "the refused title is shown in the list"
[ "$(drive text VantrelMain -1 EDIT 0)" = pub ] || fail "the typed title left the entry box"
drive answer Vantrel ok 10
wait_for 10 no_box || fail "the refusal box did not close"
cmp -s "$work/ini.before" "$work/program/Vantrel.ini" || fail "Vantrel.ini changed"

# The stored title still closes its window; its log line cannot be
# written, and the user, told at start, is not told again.
$run "$bin/victim.exe" --log "$(winpath "$work/victim.log")" --seconds 30 "Stored - Mozilla|300|200" & victim_pid=$!
wait_for 15 grep -qs "CLOSE 0 Stored - Mozilla" "$work/victim.log" || fail "the stored title did not close its window"
if drive box-open Vantrel 3; then fail "a box came after a kill: $(drive box-text Vantrel 1)"; fi
[ ! -e "$work/program/logkill.txt" ] || fail "a kill log appeared in the read-only folder"

drive command VantrelPop 109
drive answer Vantrel yes 10 || fail "no confirmation box for Quitter"
wait "$vantrel_pid"; rc=$?
vantrel_pid=
[ "$rc" = 0 ] || fail "Vantrel.exe ended with $rc"
release_folder

mkdir "$work/logged"
cp "$bin/Vantrel.exe" "$work/logged/"
printf '[Vantrel]\r\nNbOcc=2\r\n0=First - Mozilla\r\n1=Second - Mozilla\r\n' > "$work/logged/Vantrel.ini"
: > "$work/logged/logkill.txt"
chattr +i "$work/logged/logkill.txt" || fail "the kill log could not be made immutable"
immutable_log=$work/logged/logkill.txt
$run "$work/logged/Vantrel.exe" & vantrel_pid=$!
drive wait-window VantrelMain 30 || fail "the main window did not appear"
wait_height 505 "the Windows page did not open"
if drive box-open Vantrel 3; then fail "a box at start in a writable folder: $(drive box-text Vantrel 1)"; fi
kill_one() {  # kill_one TITLE
  $run "$bin/victim.exe" --log "$(winpath "$work/$1.log")" --seconds 30 "$1|300|200" &
  wait_for 15 grep -qs "CLOSE 0 $1" "$work/$1.log" || fail "\"$1\" was not closed"
}
kill_one "First - Mozilla"
text=$(drive box-text Vantrel 10) || fail "no box when the kill log refused its line"
shot read_only_log_refused
grep -qF 'logkill.txt' <<<"$text" || fail "the kill log box does not name logkill.txt: $text"
drive answer Vantrel ok 10
wait_for 10 no_box || fail "the kill log box did not close"
kill_one "Second - Mozilla"
if drive box-open Vantrel 3; then fail "a second box about the kill log: $(drive box-text Vantrel 1)"; fi
[ ! -s "$work/logged/logkill.txt" ] || fail "the immutable kill log took a line"
drive command VantrelPop 109
drive answer Vantrel yes 10 || fail "no confirmation box for Quitter"
wait "$vantrel_pid"
vantrel_pid=
echo "PASS: a read-only program folder is told once at start, a title it cannot store is refused, and a kill log that refuses its lines is told once"
