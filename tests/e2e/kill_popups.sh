#!/usr/bin/env bash
# The real Vantrel.exe under Wine: rules placed in its INI file close the
# matching browser pop-ups of another program, and nothing else.
#   kill_popups.sh BIN_DIR PREFIX OUT_DIR
set -u
bin=$1 prefix=$2 out=$3
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
victim_fail() { [ -f "$work/victim.log" ] && sed 's/^/  victim: /' "$work/victim.log"; fail "$@"; }

cp "$bin/Vantrel.exe" "$work/"
printf '[Vantrel]\r\nNbOcc=1\r\n0=Pub - Netscape\r\nNbCondition=1\r\nC0=250 - 400\r\n' > "$work/Vantrel.ini"

$run "$work/Vantrel.exe" & vantrel_pid=$!
$run "$bin/victim.exe" --log "$(winpath "$work/victim.log")" --seconds 60 \
  "Ad - Mozilla|300|200" "Pub - Netscape|800|600" "pub - netscape|800|600|refuse" \
  "Big - Mozilla|800|600|refuse" "Small editor|300|200|refuse" & victim_pid=$!

# Both matching windows must get their close request; poll, never sleep blind.
closed() { grep -qs "CLOSE 0 Ad - Mozilla" "$work/victim.log" && grep -qs "CLOSE 1 Pub - Netscape" "$work/victim.log"; }
wait_for 30 closed
grep -qs "CLOSE 0 Ad - Mozilla" "$work/victim.log" || victim_fail "the size rule '250 - 400' did not close 'Ad - Mozilla' (300 x 200)"
grep -qs "CLOSE 1 Pub - Netscape" "$work/victim.log" || victim_fail "the title rule did not close 'Pub - Netscape'"

# Several more watch ticks: the windows that match no rule stay untouched.
sleep 2
if grep -E "CLOSE [234] " "$work/victim.log"; then victim_fail "a window matching no rule was asked to close"; fi
kill -0 "$vantrel_pid" 2>/dev/null || fail "Vantrel.exe is no longer running"
shot kill_popups
echo "PASS: rules from Vantrel.ini closed the matching pop-ups and left the others"
