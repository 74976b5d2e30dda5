#!/usr/bin/env bash
# The real Vantrel.exe under Wine: rules by program, by class and by title
# pattern close another program's ordinary windows. A rule typed into the
# entry box and added by a click is kept in Vantrel.ini; a pop-up shown as
# "about:blank" and named a moment later is closed under its new title;
# every window closed leaves exactly one line in logkill.txt.
#   rules.sh BIN_DIR PREFIX OUT_DIR
set -u
bin=$1 prefix=$2 out=$3
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
victim_fail() { [ -f "$work/victim.log" ] && sed 's/^/  victim: /' "$work/victim.log"; fail "$@"; }

cp "$bin/Vantrel.exe" "$work/"
printf '[Vantrel]\r\nNbOcc=1\r\n0=Sponsored * [Like] [class=vantrelvictim]\r\nNbCondition=1\r\nC0=250 - 400\r\n' \
  > "$work/Vantrel.ini"
drive reset-settings
$run "$work/Vantrel.exe" & vantrel_pid=$!
drive wait-window VantrelMain 30 || fail "the main window did not appear"
sleep 1

# Typed as a user types it (US keys), into the entry box, then "Ajouter".
keys() {  # the virtual keys of a lower-case text
  local text=$1 i c
  for ((i = 0; i < ${#text}; i++)); do
    c=${text:i:1}
    case "$c" in
      ' ') printf '32 ' ;; '[') printf '219 ' ;; ']') printf '221 ' ;; '=') printf '187 ' ;; '.') printf '190 ' ;;
      *) printf '%d ' "'$(echo "$c" | tr a-z A-Z)" ;;
    esac
  done
}
read -r left top _ _ <<< "$(drive rect VantrelMain)"
drive input-click $((left + 100)) $((top + 50))
# shellcheck disable=SC2046
drive input-keys $(keys "licence [exe=victim.exe]")
drive input-click $((left + 262)) $((top + 49))
stored() { tr -d '\r' < "$work/Vantrel.ini" | grep -qx '1=licence \[exe=victim.exe\]' &&
           tr -d '\r' < "$work/Vantrel.ini" | grep -qx 'NbOcc=2'; }
wait_for 10 stored || { cat "$work/Vantrel.ini"; fail "the typed rule was not kept in Vantrel.ini"; }
shot rules_added

$run "$bin/victim.exe" --log "$(winpath "$work/victim.log")" --seconds 60 \
  "licence|400|200" "Sponsored session 42|400|200" "Ad - Mozilla|300|200|blank" \
  "keep me|400|200|refuse" "licence|400|200|disabled refuse" "Sponsored|400|200|refuse" & victim_pid=$!

closed() { grep -qs "CLOSE 0 " "$work/victim.log" && grep -qs "CLOSE 1 " "$work/victim.log" &&
           grep -qs "CLOSE 2 " "$work/victim.log"; }
wait_for 30 closed || victim_fail "the rules did not close the three windows they name"
# Several more watch ticks: the others stay untouched.
sleep 2
if grep -E "CLOSE [345] " "$work/victim.log"; then victim_fail "a window that no rule names was asked to close"; fi
for i in 0 1 2; do
  [ "$(grep -c "CLOSE $i " "$work/victim.log")" = 1 ] || victim_fail "window $i was asked to close more than once"
done
lines=$(tr -d '\r' < "$work/logkill.txt" | cut -d';' -f3 | sort | tr '\n' '|')
[ "$lines" = "Ad - Mozilla|Sponsored session 42|licence|" ] ||
  { cat "$work/logkill.txt"; fail "logkill.txt does not hold one line per window closed: $lines"; }
kill -0 "$vantrel_pid" 2>/dev/null || fail "Vantrel.exe is no longer running"
shot rules_closed
echo "PASS: rules by program, class and pattern closed the windows they name, each once, one log line each"
