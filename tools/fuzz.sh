#!/usr/bin/env bash
# Builds the libFuzzer targets of the text readers (preset "fuzz": clang,
# AddressSanitizer, UndefinedBehaviorSanitizer) and runs them.
#   fuzz.sh short                 every target for a fixed number of runs from
#                                 its committed seed corpus (fuzz/corpus/NAME);
#                                 what the test command runs
#   fuzz.sh long [SECONDS] [NAME...]
#                                 a campaign of SECONDS (default 300) per target,
#                                 growing a corpus of its own in
#                                 build/fuzz/corpus/NAME
# Inputs found new go to build/fuzz only; the committed corpus is read, never
# written. A crash or a failed property leaves its input in
# build/fuzz/crashes/NAME/ and makes the script exit non-zero; replay one with
#   build/fuzz/bin/NAME_fuzz build/fuzz/crashes/NAME/crash-...
set -u
cd "$(dirname "${BASH_SOURCE[0]}")/.."

mode=${1:-short}
shift || true
case "$mode" in
  short) runs=${VANTREL_FUZZ_RUNS:-20000} ;;
  long)
    seconds=300
    if [ $# -gt 0 ] && [[ "$1" =~ ^[0-9]+$ ]]; then seconds=$1; shift; fi
    ;;
  *) echo "usage: $0 short | long [SECONDS] [NAME...]" >&2; exit 2 ;;
esac

build=build/fuzz
if ! { cmake --preset fuzz >/dev/null && cmake --build --preset fuzz -j2 >$build.log 2>&1; }; then
  [ -f $build.log ] && tail -40 $build.log
  echo "FAIL: the fuzz targets do not build"
  exit 1
fi

targets=("$@")
[ ${#targets[@]} -eq 0 ] && mapfile -t targets <$build/fuzz-targets.txt

# Stack traces with function names when the symbolizer is there.
for s in llvm-symbolizer-14 /usr/lib/llvm-14/bin/llvm-symbolizer llvm-symbolizer; do
  if command -v "$s" >/dev/null; then export ASAN_SYMBOLIZER_PATH=$(command -v "$s"); break; fi
done
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

status=0
for name in "${targets[@]}"; do
  binary=$build/bin/${name}_fuzz
  seeds=fuzz/corpus/$name
  if [ ! -x "$binary" ] || [ ! -d "$seeds" ]; then
    echo "FAIL $name: no such target or no seed corpus"; status=1; continue
  fi
  crashes=$build/crashes/$name
  mkdir -p "$crashes"
  options=(-artifact_prefix="$crashes/" -max_len=4096 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1)
  [ -f "fuzz/dict/$name.dict" ] && options+=(-dict="fuzz/dict/$name.dict")
  if [ "$mode" = short ]; then
    # A fresh scratch corpus each time and a fixed random seed
    # (VANTREL_FUZZ_SEED changes it, VANTREL_FUZZ_RUNS the number of runs).
    corpus=$build/short-corpus/$name
    rm -rf "$corpus"
    options+=(-runs="$runs" -seed="${VANTREL_FUZZ_SEED:-1}")
  else
    corpus=$build/corpus/$name
    options+=(-max_total_time="$seconds")
  fi
  mkdir -p "$corpus"
  log=$build/$name.log
  start=$SECONDS
  if "$binary" "${options[@]}" "$corpus" "$seeds" >"$log" 2>&1; then
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1)
    echo "PASS $name: ${execs:-?} runs, $cov, $((SECONDS - start)) s"
  else
    echo "FAIL $name (log $log):"
    grep -E 'ERROR|property failed|runtime error|SUMMARY|Test unit written' "$log" | head -20
    status=1
  fi
done

if [ $status -eq 0 ]; then echo "FUZZ TARGETS CLEAN"; else echo "FUZZ TARGETS FAILED"; fi
exit $status
