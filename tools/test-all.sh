#!/usr/bin/env bash
# Builds the three presets and runs every test level:
#   host      unit tests of the logic against fakes (Linux)
#   host-san  the same under AddressSanitizer and UndefinedBehaviorSanitizer
#   win64     Vantrel.exe with MinGW-w64; the unit tests, the Win32 tests and
#             the end-to-end tests under Wine
#   fuzz      libFuzzer over every reader of outside text, a short fixed run
# Ends with a pass/fail line per level and an overall verdict.
set -u
cd "$(dirname "${BASH_SOURCE[0]}")/.."
tools/install-deps.sh test || { echo "FAIL: could not install the build tools"; exit 1; }

declare -A verdict
order=(host host-san win64)
for preset in "${order[@]}"; do
  echo "=== $preset ==="
  if cmake --preset "$preset" >/dev/null &&
     cmake --build --preset "$preset" -j2 &&
     ctest --preset "$preset"; then
    verdict[$preset]=PASS
  else
    verdict[$preset]=FAIL
  fi
done

# Every reader of outside text, fuzzed for a short fixed number of runs.
echo "=== fuzz ==="
if tools/fuzz.sh short; then verdict[fuzz]=PASS; else verdict[fuzz]=FAIL; fi

# Nothing of the Wine runs outlives the tests.
if [ -d build/win64/wineprefix ]; then
  WINEPREFIX=$PWD/build/win64/wineprefix wineserver -k 2>/dev/null
  WINEPREFIX=$PWD/build/win64/wineprefix wineserver -w 2>/dev/null
fi
pkill -f "Xvfb :${VANTREL_XVFB_DISPLAY:-77} " 2>/dev/null

echo
echo "=== Summary ==="
status=0
for preset in "${order[@]}" fuzz; do
  echo "  $preset: ${verdict[$preset]}"
  [ "${verdict[$preset]}" = PASS ] || status=1
done
if [ $status -eq 0 ]; then echo "ALL TESTS PASSED"; else echo "SOME TESTS FAILED"; fi
exit $status
