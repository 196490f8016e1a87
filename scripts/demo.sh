#!/usr/bin/env bash
# The headless demo: converts a sample text through real input on the display in $DISPLAY,
# prints the 18 lines, saves screenshots of the input window and of the art window, and closes
# tuk again with its "退出" button. Called by run.sh with the display and Wine prefix set up.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TUK_BUILD_DIR:-$root/build}
bin=$build/bin
shots=$build/screenshots
# shellcheck source=../tests/e2e/e2e_lib.sh
source "$root/tests/e2e/e2e_lib.sh"
trap e2e_kill_tuk EXIT
mkdir -p "$shots"

e2e_load_layout
e2e_start_tuk
# On the first start of this prefix, the compatibility notice comes first.
if e2e_window '提示' 5 >/dev/null; then
  e2e_answer '提示' Return
fi
input=$(e2e_window 'tuk 3.1')
e2e_click "$input" "input 编辑框enter"
xdotool type --delay 30 "tuk art"
sleep 0.3
import -window root -crop 348x210+50+50 +repage "$shots/input-window.png"

art=$(e2e_convert "") # the text is typed already
import -window root -crop 1009x460+50+50 +repage "$shots/art-window.png"
echo "The character art of \"tuk art\":"
e2e_copy_output "$art" | tr -d '\r'
echo "Screenshots: $shots/input-window.png and $shots/art-window.png"

e2e_click "$art" "art-button 2" # 退出
e2e_wait_exit >/dev/null
