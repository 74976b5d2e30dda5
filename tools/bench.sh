#!/usr/bin/env bash
# Runs every benchmark and prints one table. Each figure stands beside a
# baseline measured in the same run, on the same windows, so that the noise
# of a shared machine cancels; absolute times are printed beside the ratios.
#   tools/bench.sh [IDLE_SECONDS]    (default 60)
set -u
cd "$(dirname "${BASH_SOURCE[0]}")/.."
idle=${1:-60}
tools/install-deps.sh test || exit 1
dpkg-query -W -f='${Status}' libbenchmark-dev 2>/dev/null | grep -q "install ok installed" ||
  { sudo=""; [ "$(id -u)" -ne 0 ] && sudo=sudo; $sudo apt-get install -y -q --no-install-recommends libbenchmark-dev; }

cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release >/dev/null && cmake --build build/bench -j2 --target vantrel_micro_bench || exit 1
cmake --preset win64 >/dev/null && cmake --build --preset win64 -j2 || exit 1

bin=$PWD/build/win64/bin
prefix=$PWD/build/win64/wineprefix
run="tools/wine-run.sh --prefix $prefix"
work=$(mktemp -d "${TMPDIR:-/tmp}/vantrel-bench.XXXXXX")
trap 'kill $(jobs -p) 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
winpath() { echo "Z:$(echo "$1" | tr / '\\')"; }
rows=()
row() { rows+=("$(printf '%-44s %14s %14s %8s %s' "$@")"); }

echo "== scan cost"
$run "$bin/scan_bench.exe" 50 100 200 1000 | tr -d '\r' | tee "$work/scan.txt"
while read -r n least scan ratio; do
  [[ "$n" =~ ^[0-9]+$ ]] || continue
  row "scan of $n windows (ms)" "$scan" "$least" "$ratio" "target <= 1.5"
  eval "scan_$n=$scan least_$n=$least"
done < "$work/scan.txt"
# Growth from 100 to 1000 windows. The two sizes are measured seconds apart,
# and this machine's speed changes by two or three times between moments:
# the scan's growth is judged against the least work's growth measured at
# the same moments (a scan as linear as the least work gives 10 x 1.00).
growth=$(awk -v a="${scan_1000:-0}" -v b="${scan_100:-1}" 'BEGIN { printf "%.1f", a / b }')
least_growth=$(awk -v a="${least_1000:-0}" -v b="${least_100:-1}" 'BEGIN { printf "%.1f", a / b }')
relative=$(awk -v a="${scan_1000:-0}" -v b="${scan_100:-1}" -v c="${least_1000:-1}" -v d="${least_100:-0}" \
  'BEGIN { printf "%.2f", (a / b) / (c / d) }')
row "scan growth, 100 to 1000 windows" "$growth" "$least_growth" "$relative" \
  "target <= 12: 10 x $relative = $(awk -v r="$relative" 'BEGIN { printf "%.1f", 10 * r }')"

mkdir -p "$work/app"
cp "$bin/Vantrel.exe" "$work/app/"
printf '[Vantrel]\r\nNbCondition=1\r\nC0=250 - 400\r\n' > "$work/app/Vantrel.ini"
drive() { $run "$bin/driver.exe" "$@" | tr -d '\r'; }
hz=$(getconf CLK_TCK)
cpu() { [ -n "$1" ] && awk '{ print $14 + $15 }' "/proc/$1/stat" 2>/dev/null || echo 0; }
wineserver_pid() {
  for p in $(pgrep -x wineserver64) $(pgrep -x wineserver); do
    tr '\0' '\n' < "/proc/$p/environ" 2>/dev/null | grep -qx "WINEPREFIX=$prefix" && { echo "$p"; return; }
  done
}

app=
start_vantrel() {
  # A Vantrel of an earlier turn must be gone: a second start would only
  # bring that one forward and end.
  drive gone-window VantrelMain 30 >/dev/null
  drive reset-settings
  $run "$work/app/Vantrel.exe" & app=$!
  drive wait-window VantrelMain 30 >/dev/null
  sleep 3
}
stop_program() { kill "$1" 2>/dev/null; wait "$1" 2>/dev/null; }
# Waits until the Wine server has been idle for a second (the shell's
# taskbar takes a while to forget a thousand windows), at most 60 s.
settle() {
  local w t0 t1
  w=$(wineserver_pid)
  [ -n "$w" ] || return 0
  for _ in $(seq 1 60); do
    t0=$(cpu "$w"); sleep 1; t1=$(cpu "$w")
    [ $((t1 - t0)) -le 3 ] && return 0
  done
}
mix_pid=
start_mix() {  # start_mix N [churn seconds]: N windows of another program
  rm -f "$work/mix.log"
  if [ -n "${2:-}" ]; then
    $run "$bin/victim.exe" --log "$(winpath "$work/mix.log")" --mix "$1" --churn "$2" --churn-rate 10 & mix_pid=$!
  else
    $run "$bin/victim.exe" --log "$(winpath "$work/mix.log")" --mix "$1" --seconds 1200 & mix_pid=$!
  fi
  for _ in $(seq 1 300); do grep -qs READY "$work/mix.log" && break; sleep 0.2; done
  sleep 2
}
# Median, 95th percentile and count of the victim's "LATENCY i ms" lines.
latencies() {
  tr -d '\r' < "$1" | awk '/^LATENCY/ { print $3 }' | sort -n |
    awk '{ v[NR] = $1 } END { if (NR == 0) { print "0 0 0"; exit }
          print v[int((NR + 1) / 2)], v[int(NR * 0.95 + 0.999)], NR }'
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'; }

echo "== kill latency"
# From the pop-up's showing to the close request it receives, 40 pop-ups at
# moments spread over the watch period, beside a floor program that closes
# them from its own WinEvent hook, on the same desktop, in turns.
for n in 200 1000; do
  start_mix "$n"
  start_vantrel
  lines_before=$(grep -c . "$work/app/logkill.txt" 2>/dev/null || echo 0)
  $run "$bin/victim.exe" --log "$(winpath "$work/lat_app_$n.log")" --latency 40 --seconds 120
  # Pop-ups shown as "about:blank" and named 80 ms later.
  $run "$bin/victim.exe" --log "$(winpath "$work/lat_blank_$n.log")" --latency 40 --blank --seconds 120
  sleep 1
  lines_after=$(grep -c . "$work/app/logkill.txt" 2>/dev/null || echo 0)
  stop_program "$app"
  $run "$bin/idle_baseline.exe" --floor 600 & floor=$!
  sleep 3
  $run "$bin/victim.exe" --log "$(winpath "$work/lat_floor_$n.log")" --latency 40 --seconds 120
  stop_program "$floor"
  stop_program "$mix_pid"
  settle
  read -r am ap ac <<< "$(latencies "$work/lat_app_$n.log")"
  read -r fm fp fc <<< "$(latencies "$work/lat_floor_$n.log")"
  row "kill latency, $n windows, median (ms)" "$am" "$fm" "$(ratio "$am" "$fm")" "$ac pop-ups (floor $fc)"
  row "kill latency, $n windows, 95th pct (ms)" "$ap" "$fp" "$(ratio "$ap" "$fp")" "target <= 20 and <= 3 x floor"
  read -r nm np nc <<< "$(latencies "$work/lat_blank_$n.log")"
  row "renamed pop-up, $n windows, median (ms)" "$nm" "$am" "$(ratio "$nm" "$am")" \
    "$nc pop-ups, from the naming; baseline: shown with its title"
  row "renamed pop-up, $n windows, 95th pct (ms)" "$np" "$ap" "$(ratio "$np" "$ap")" "before: the next reading (median 290, p95 477)"
  closes=$(cat "$work/lat_app_$n.log" "$work/lat_blank_$n.log" | grep -c "^CLOSE")
  row "kill log lines / close requests, $n windows" "$((lines_after - lines_before))" "$closes" \
    "$(ratio "$((lines_after - lines_before))" "$closes")" "one line per pop-up closed: 1.00"
done

echo "== the watch under the tray menu, and input while the desktop is read"
start_mix 1000
start_vantrel
# The menu opened by a real right click, pop-ups shown while it stands.
drive input-tray right
drive menu-open 10 >/dev/null || echo "note: the tray menu did not open"
$run "$bin/victim.exe" --log "$(winpath "$work/lat_menu.log")" --latency 10 --seconds 60
drive menu-open 0 >/dev/null && menu_note="menu stood throughout" || menu_note="MENU CLOSED during the run"
drive input-keys 27
read -r mm mp mc <<< "$(latencies "$work/lat_menu.log")"
row "kill latency under the tray menu, 1000 windows, p95 (ms)" "$mp" "" "" "target < 1500; $mc pop-ups; $menu_note"
read -r cm cp cx <<< "$($run "$bin/answer_time.exe" --tray-menu 15 | tr -d '\r')"
read -r qm qp qx <<< "$($run "$bin/answer_time.exe" --message VantrelMain 10 | tr -d '\r')"
stop_program "$app"
$run "$bin/idle_baseline.exe" --bare 60 & bare=$!
sleep 3
read -r bm bp bx <<< "$($run "$bin/answer_time.exe" --message Static 10 | tr -d '\r')"
stop_program "$bare"
stop_program "$mix_pid"
settle
row "answer to a message, 1000 windows, p95 (ms)" "$qp" "$bp" "$(ratio "$qp" "$bp")" "max $qx (bare $bx); every 10 ms for 10 s"
row "click to open tray menu, 1000 windows, p95 (ms)" "$cp" "$bp" "" "target <= 50; median $cm, max $cx; baseline: bare answer"

echo "== idle cost (${idle} s turns, 200 windows)"
# The whole cost of a program: its own CPU and what it makes the Wine
# server and the X server do, over the same time; Vantrel and the floor
# program each running alone, in turns.
display=${DISPLAY:-:${VANTREL_XVFB_DISPLAY:-77}}
xserver_pid() { pgrep -f "Xvfb ${display} " | head -n 1; }
turn() {  # turn PATTERN: CPU seconds of the program, the Wine server and the X server
  local p w x p0 w0 x0
  p=$(pgrep -f "$1" | head -n 1); w=$(wineserver_pid); x=$(xserver_pid)
  p0=$(cpu "$p"); w0=$(cpu "$w"); x0=$(cpu "$x")
  sleep "$idle"
  awk -v a=$(( $(cpu "$p") - p0 )) -v b=$(( $(cpu "$w") - w0 )) -v c=$(( $(cpu "$x") - x0 )) -v h="$hz" \
    'BEGIN { printf "%.2f %.2f %.2f %.2f", (a + b + c) / h, a / h, b / h, c / h }'
}
private_kb() { awk '/^Private_Dirty:/ { s += $2 } END { print s }' "/proc/$1/smaps_rollup"; }
for mode in still churn; do
  if [ "$mode" = churn ]; then start_mix 200 $((idle * 2 + 60)); else start_mix 200; fi
  start_vantrel
  [ "$mode" = still ] && settle
  read -r at ap aw ax <<< "$(turn "app/Vantrel.exe")"
  if [ "$mode" = still ]; then
    $run "$bin/idle_baseline.exe" --bare 30 & bare=$!
    sleep 5
    app_mem=$(private_kb "$(pgrep -f "app/Vantrel.exe" | head -n 1)")
    bare_mem=$(private_kb "$(pgrep -f "idle_baseline.exe --bare" | head -n 1)")
    stop_program "$bare"
  fi
  stop_program "$app"
  $run "$bin/idle_baseline.exe" --floor $((idle + 30)) & floor=$!
  sleep 3
  [ "$mode" = still ] && settle
  read -r ft fp fw fx <<< "$(turn "idle_baseline.exe --floor")"
  stop_program "$floor"
  stop_program "$mix_pid"
  settle
  label="idle CPU, 200 windows"; [ "$mode" = churn ] && label="CPU, 200 windows + 10 new a second"
  row "$label, ${idle} s (s)" "$at" "$ft" "$(ratio "$at" "$ft")" \
    "target <= 1.5; own $ap + wineserver $aw + X $ax (floor $fp + $fw + $fx)"
done
row "private memory (KiB)" "$app_mem" "$bare_mem" "$(ratio "$app_mem" "$bare_mem")" "target <= 2"

echo "== page switching and tray menu"
$run "$bin/ui_bench.exe" | tr -d '\r' | tee "$work/ui.txt"
value() { awk -v k="$1" '$1 == k { print $2 }' "$work/ui.txt"; }
# Baselines: a bare window of the same size going through the same pixel
# heights with one paint each, and a plain menu of as many items drawn by
# the system; ratios are medians of side-by-side rounds.
row "page open with its animation (ms)" "$(value page_open)" "$(value bare_grow)" "$(value page_open_ratio)" \
  "target <= 1.3; $(value page_open_repaints) repaints; fastest round $(value page_open_fastest) (bare $(value bare_grow_fastest))"
row "page open, its controls hidden (ms)" "$(value page_open_without_controls)" "$(value bare_grow)" \
  "$(value page_open_without_controls_ratio)" "what the page costs beyond its controls' own painting"
row "page close (ms)" "$(value page_close)" "$(value bare_shrink)" "$(value page_close_ratio)" "target < 500"
row "tray menu, first opening (ms)" "$(value tray_menu_first)" "" "" "target < 50"
row "tray menu, later openings (ms)" "$(value tray_menu_later)" "$(value plain_menu_later)" \
  "$(value tray_menu_later_ratio)" "target <= 1.3; $(value tray_menu_items) items"

echo "== host micro-benchmarks"
build/bench/tests/vantrel_micro_bench --benchmark_min_time=0.2 --benchmark_format=csv 2>/dev/null | tee "$work/micro.csv"
ns() { awk -F, -v k="\"$1\"" '$1 == k { print $3 }' "$work/micro.csv"; }
pair() {
  local subject baseline
  subject=$(ns "$2"); baseline=$(ns "$3")
  row "$1 (ns)" "$(printf '%.0f' "$subject")" "$(printf '%.0f' "$baseline")" \
    "$(awk -v a="$subject" -v b="$baseline" 'BEGIN { printf "%.2f", a / b }')" ""
}
pair "browser test, 100 titles" BM_BrowserTest BM_BrowserTestBaseline
pair "GetMarkupValue" BM_GetMarkupValue BM_MarkupBaseline
pair "scan of 1000 listed windows (fake desktop)" BM_ScanWithReconciliation BM_ScanWalkBaseline

echo "== soak"
$run "$bin/soak.exe" ${VANTREL_SOAK:-10000 1000 200} | tr -d '\r' | tee "$work/soak.txt"
soak() { awk -v k="$1" '$1 == k { print $2 " -> " $4 " " $5 }' "$work/soak.txt"; }
soakv() { awk -v k="$1" '$1 == k { print $2 }' "$work/soak.txt"; }
row "soak: $(soakv scans) scans with windows coming and going" "$(soakv soak)" "" "" \
  "GDI $(soak scan_gdi_objects); handles $(soak scan_kernel_handles); private KiB $(soak scan_private_kib)"
row "soak: kill log lines / close requests received" "$(soakv kill_log_lines)" "$(soakv close_requests_received)" "" \
  "missing $(soakv lines_missing), garbled $(soakv lines_garbled)"
row "soak: $(soakv menu_openings) tray menus, $(soakv page_switches) page switches" "" "" "" \
  "GDI $(soak window_gdi_objects); windows $(soak window_windows)"

echo
echo "Vantrel benchmarks on $(uname -n), $(nproc) cores, $(date -u +%Y-%m-%d)"
printf '%-44s %14s %14s %8s %s\n' "measure" "value" "baseline" "ratio" "note"
for r in "${rows[@]}"; do echo "$r"; done
