#!/usr/bin/env bash
# Builds tuk and runs the benchmark programs under Wine on virtual displays of their own:
# start-up, a conversion through the art window (1st and 50th run into the same box), the
# capture overlay at 1920x1080 and at 3840x2160, and the size of tuk.exe.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TUK_BUILD_DIR:-$root/build}

"$root/scripts/setup.sh"
"$root/scripts/build.sh" >/dev/null

# shellcheck source=wine-env.sh
source "$root/scripts/wine-env.sh"
trap tuk_stop_display EXIT

cd "$build/bin"
tuk_start_display 1280x1024
tuk_prepare_prefix
echo "== start-up and conversion (1280x1024)"
wine startup_bench.exe
wine sampler_bench.exe
tuk_stop_display

for size in 1920x1080 3840x2160; do
  tuk_start_display "$size"
  echo "== capture overlay ($size)"
  wine capture_bench.exe
  tuk_stop_display
done

echo "== tuk.exe: $(stat -c %s "$build/bin/tuk.exe") bytes"
