#!/usr/bin/env bash
# Sets up, builds and runs every test under Wine on a virtual display of its own.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TUK_BUILD_DIR:-$root/build}

"$root/scripts/setup.sh"
"$root/scripts/build.sh"

# shellcheck source=wine-env.sh
source "$root/scripts/wine-env.sh"
trap tuk_stop_display EXIT
tuk_start_display 1280x1024
tuk_prepare_prefix
ctest --test-dir "$build" --output-on-failure "$@"
