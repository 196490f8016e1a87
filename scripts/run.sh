#!/usr/bin/env bash
# Sets up, builds and starts tuk under Wine on the current display. With no display, it starts
# tuk on a virtual display, saves a screenshot of what is shown once it is up, and ends it.
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
wine "$build/bin/tuk.exe" &
tuk_pid=$!

# Up means: the input window is visible, or the first-run notice is shown in front of it.
for _ in $(seq 150); do
  if xdotool search --onlyvisible --name '^(tuk 3\.1|提示)$' >/dev/null 2>&1; then
    break
  fi
  sleep 0.1
done
sleep 0.5
mkdir -p "$build/screenshots"
shot=$build/screenshots/tuk-start.png
import -window root "$shot"
echo "tuk is up; screenshot: $shot"
kill "$tuk_pid" 2>/dev/null || true
