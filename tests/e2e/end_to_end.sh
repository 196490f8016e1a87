#!/usr/bin/env bash
# End-to-end runs of the real tuk.exe under Wine, used only from outside: X input, the X
# clipboard, screenshots and files. Needs the environment of scripts/test.sh.
set -u
build=$1
bin=$build/bin
work=$build/e2e
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=e2e_lib.sh
source "$here/e2e_lib.sh"
trap e2e_kill_tuk EXIT
rm -rf "$work"
mkdir -p "$work"

passed=0
failed=0
check() {
  local what=$1
  shift
  if "$@" >/dev/null; then
    passed=$((passed + 1))
    echo "ok: $what"
  else
    failed=$((failed + 1))
    echo "FAILED: $what"
  fi
}

e2e_load_layout
settings=$TUK_D_DRIVE_UNIX/tuk/tuk.ini

# 1. The first start shows the notice, records it, and the next start does not.
rm -rf "$TUK_D_DRIVE_UNIX/tuk"
e2e_start_tuk
check "first start shows the notice" e2e_window '提示'
check "the input window waits behind the notice" \
  test -z "$(xdotool search --onlyvisible --name '^tuk 3\.1$' 2>/dev/null)"
check "the notice takes an OK" e2e_answer '提示' Return
input=$(e2e_window 'tuk 3.1')
check "the input window comes after the notice" test -n "$input"
check "the first run is recorded" grep -q '^h=r' "$settings"
e2e_click "$input" "input 编辑框char"
e2e_key Escape
check "Esc ends the program with 0" test "$(e2e_wait_exit)" = 0
e2e_start_tuk
input=$(e2e_window 'tuk 3.1')
check "no notice at the second start" test -z "$(xdotool search --onlyvisible --name '^提示$' 2>/dev/null)"

# 2. The placeholder converted as it stands gives the art of its six characters.
art=$(e2e_convert "")
check "the art window opens" test -n "$art"
e2e_copy_output "$art" | tr -d '\r' >"$work/placeholder.txt"
e2e_reference_art "在此输入文字" "*" >"$work/placeholder-reference.txt"
check "the placeholder gives the art of 在此输入文字" \
  cmp "$work/placeholder.txt" "$work/placeholder-reference.txt"
e2e_key Escape
check "Esc closes the art window" e2e_gone main

# 3. A typed text, from typing to 18 lines copied out of the output box.
art=$(e2e_convert "tuk")
e2e_copy_output "$art" | tr -d '\r' >"$work/lines.txt"
check "18 lines are copied out" test "$(wc -l <"$work/lines.txt")" = 18
check "every line has 100 cells of fill text or blanks" \
  test -z "$(grep -v -E '^([*] |  ){100}$' "$work/lines.txt")"
check "the first four lines are blank" \
  test "$(head -n 4 "$work/lines.txt" | grep -c -E '^ {200}$')" = 4
e2e_reference_art "tuk" "*" >"$work/tuk-reference.txt"
check "the typed text gives the art of tuk" cmp "$work/lines.txt" "$work/tuk-reference.txt"
e2e_key Escape
e2e_gone main

# 4. Chinese pasted from another program, with a Chinese fill text.
input=$(e2e_window 'tuk 3.1')
e2e_paste "$input" "input 编辑框char" "字"
e2e_paste "$input" "input 编辑框enter" "国"
art=$(e2e_convert "")
e2e_copy_output "$art" | tr -d '\r' >"$work/guo.txt"
e2e_reference_art "国" "字" >"$work/guo-reference.txt"
check "the fill text 字 comes back out intact" grep -q '字 ' "$work/guo.txt"
check "pasted 国 gives the art of the glyph 国" cmp "$work/guo.txt" "$work/guo-reference.txt"
import -window root "$work/art-window.png"

# 5. A capture: the clipboard picture equals what the mouse dragged over.
e2e_click "$art" "art-button 5"
sleep 1.5
import -window root "$work/overlay.png"
xdotool mousemove 400 300 mousedown 1 mousemove 480 340 mousemove 523 371 mouseup 1
check "the capture asks whether to save, and takes a No" e2e_answer '信息：' n
xclip -selection clipboard -t image/bmp -o >"$work/clip.bmp" 2>/dev/null
convert "$work/overlay.png" -crop 123x71+400+300 +repage "$work/dragged.png"
check "the clipboard holds a 123x71 picture" test "$(identify -format '%wx%h' "$work/clip.bmp" 2>/dev/null)" = 123x71
check "the picture is the dragged-over region, pixel for pixel" \
  test "$(compare -metric AE "$work/clip.bmp" "$work/dragged.png" null: 2>&1)" = 0

# 6. A capture saved as a .bmp file with a Chinese name and a blank, in a Chinese folder; the
# name is pasted into the save dialog.
art=$(e2e_window main)
folder="$work/图片 文件夹"
mkdir -p "$folder"
e2e_click "$art" "art-button 5"
sleep 1.5
xdotool mousemove 200 200 mousedown 1 mousemove 260 250 mouseup 1
e2e_window '信息：' >/dev/null
xclip -selection clipboard -t image/bmp -o >"$work/clip2.bmp" 2>/dev/null
e2e_offer_text "$(winepath -w "$folder" 2>/dev/null)\\截图 测试"
check "the capture asks whether to save, and takes a Yes" e2e_answer '信息：' y
sleep 1.5
e2e_key ctrl+v
e2e_key Return
check "saving reports success" e2e_answer '信息：' Return
check "the file 截图 测试.bmp is written" test -s "$folder/截图 测试.bmp"
check "the file holds the captured picture" \
  test "$(compare -metric AE "$folder/截图 测试.bmp" "$work/clip2.bmp" null: 2>&1)" = 0

# 7. Right after a capture the art window has the keyboard: Esc closes it without a click.
e2e_key Escape
check "Esc closes the art window right after a capture" e2e_gone main

# 8. "退出" ends the program with exit code 0.
input=$(e2e_window 'tuk 3.1')
e2e_click "$input" "input 按钮2"
art=$(e2e_window main)
e2e_click "$art" "art-button 2"
check "退出 ends the program with 0" test "$(e2e_wait_exit)" = 0

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
