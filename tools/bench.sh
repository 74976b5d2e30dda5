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

echo "== kill latency"
mkdir -p "$work/app"
cp "$bin/Vantrel.exe" "$work/app/"
printf '[Vantrel]\r\nNbCondition=1\r\nC0=250 - 400\r\n' > "$work/app/Vantrel.ini"
$run "$bin/driver.exe" reset-settings
$run "$work/app/Vantrel.exe" & app=$!
$run "$bin/driver.exe" wait-window VantrelMain 30
$run "$bin/victim.exe" --log "$(winpath "$work/latency.log")" --latency 50 --seconds 120
kill $app 2>/dev/null; wait $app 2>/dev/null
grep LATENCY "$work/latency.log" | tr -d '\r' | awk '{print $3}' | sort -n > "$work/latency.txt"
count=$(wc -l < "$work/latency.txt")
median=$(awk -v n="$count" 'NR == int((n + 1) / 2) { print }' "$work/latency.txt")
p95=$(awk -v n="$count" 'NR == int(n * 0.95 + 0.999) { print }' "$work/latency.txt")
# A pop-up waits for the next watch tick: 250 ms on average, 500 at most.
row "kill latency median (ms)" "$median" "250" "" "over the tick: $(awk -v m="$median" 'BEGIN{printf "%.0f", m - 250}') ms"
row "kill latency 95th percentile (ms)" "$p95" "475" "" "$count pop-ups"

echo "== idle cost ($idle s with 200 windows)"
$run "$bin/victim.exe" --log "$(winpath "$work/mix.log")" --mix 200 --seconds $((idle + 60)) & mix=$!
sleep 3
$run "$bin/driver.exe" reset-settings
$run "$work/app/Vantrel.exe" & app=$!
$run "$bin/idle_baseline.exe" --least $((idle + 30)) & least=$!
$run "$bin/idle_baseline.exe" --bare $((idle + 30)) & bare=$!
$run "$bin/driver.exe" wait-window VantrelMain 30
sleep 5
pid_of() { pgrep -f "$1" | head -n 1; }
cpu() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
# Private memory: the pages only this process has written (what Windows
# counts as private bytes); pages read from files are shared, not counted.
private_kb() { awk '/^Private_Dirty:/ { s += $2 } END { print s }' "/proc/$1/smaps_rollup"; }
p_app=$(pid_of "app/Vantrel.exe"); p_least=$(pid_of "idle_baseline.exe --least"); p_bare=$(pid_of "idle_baseline.exe --bare")
a0=$(cpu "$p_app"); l0=$(cpu "$p_least")
sleep "$idle"
a1=$(cpu "$p_app"); l1=$(cpu "$p_least")
hz=$(getconf CLK_TCK)
app_cpu=$(awk -v a=$((a1 - a0)) -v h="$hz" 'BEGIN { printf "%.2f", a / h }')
least_cpu=$(awk -v a=$((l1 - l0)) -v h="$hz" 'BEGIN { printf "%.2f", a / h }')
row "idle CPU over ${idle} s (s)" "$app_cpu" "$least_cpu" "$(awk -v a="$app_cpu" -v b="$least_cpu" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }')" "target <= 1.5"
app_mem=$(private_kb "$p_app"); bare_mem=$(private_kb "$p_bare")
row "private memory (KiB)" "$app_mem" "$bare_mem" "$(awk -v a="$app_mem" -v b="$bare_mem" 'BEGIN { printf "%.2f", a / b }')" "target <= 3"
$run "$bin/driver.exe" command VantrelPop 109
$run "$bin/driver.exe" answer Vantrel yes 10
kill $least $bare $mix 2>/dev/null; wait 2>/dev/null

echo "== page switching and tray menu"
$run "$bin/ui_bench.exe" | tr -d '\r' | tee "$work/ui.txt"
value() { awk -v k="$1" '$1 == k { print $2 }' "$work/ui.txt"; }
# Baselines: a bare window of the same size going through the same pixel
# heights with one paint each, and a plain menu of as many items drawn by
# the system; ratios are medians of side-by-side rounds.
row "page open with its animation (ms)" "$(value page_open)" "$(value bare_grow)" "$(value page_open_ratio)" \
  "target < 500; $(value page_open_repaints) repaints; fastest round $(value page_open_fastest) (bare $(value bare_grow_fastest))"
row "page close (ms)" "$(value page_close)" "$(value bare_shrink)" "$(value page_close_ratio)" "target < 500"
row "tray menu, first opening (ms)" "$(value tray_menu_first)" "" "" "target < 50"
row "tray menu, later openings (ms)" "$(value tray_menu_later)" "$(value plain_menu_later)" \
  "$(value tray_menu_later_ratio)" "target < 20; $(value tray_menu_items) items"

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
