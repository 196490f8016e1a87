#!/usr/bin/env bash
# Sets up, builds and starts tuk under Wine on the current display. With no display, it runs a
# demo on a virtual display instead: a sample text converted through real input, its 18 lines
# printed, screenshots of both windows saved, and tuk closed again.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TUK_BUILD_DIR:-$root/build}

"$root/scripts/setup.sh"
"$root/scripts/build.sh" >/dev/null

# shellcheck source=wine-env.sh
source "$root/scripts/wine-env.sh"

if [ -n "${DISPLAY:-}" ]; then
  tuk_prepare_prefix
  exec wine "$build/bin/tuk.exe"
fi

trap tuk_stop_display EXIT
tuk_start_display 1280x1024
tuk_prepare_prefix
"$root/scripts/demo.sh"
