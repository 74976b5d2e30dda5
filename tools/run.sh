#!/usr/bin/env bash
# Builds Vantrel.exe and starts it: under Wine (in the build's own prefix)
# on Linux. Without a display it runs on a virtual X server.
set -u
cd "$(dirname "${BASH_SOURCE[0]}")/.."
tools/install-deps.sh run || exit 1
cmake --preset win64 >/dev/null &&
  cmake --build --preset win64 -j2 --target Vantrel || exit 1
exec tools/wine-run.sh --prefix "$PWD/build/win64/wineprefix" "$PWD/build/win64/bin/Vantrel.exe"
