# Driving the real tuk.exe from outside, as a person would: X input (xdotool), the X clipboard
# (xclip) and screenshots (ImageMagick). Sourced by the end-to-end test and the headless demo.
# Needs: $bin (the folder of tuk.exe), DISPLAY and the Wine environment.

tuk_pid=""
declare -A tuk_layout=()

# Where controls lie, relative to their window's outer top-left: "window name" -> "x y w h".
e2e_load_layout() {
  local window name x y w h
  while read -r window name x y w h; do
    tuk_layout["$window $name"]="$x $y $w $h"
  done < <(cd "$bin" && wine e2e_layout.exe 2>/dev/null | tr -d '\r')
}

e2e_start_tuk() {
  (cd "$bin" && exec wine tuk.exe) >/dev/null 2>&1 &
  tuk_pid=$!
}

# Waits until tuk has ended; prints its exit code.
e2e_wait_exit() {
  local rc=0
  wait "$tuk_pid" || rc=$?
  tuk_pid=""
  echo "$rc"
}

e2e_kill_tuk() {
  if [ -n "$tuk_pid" ]; then
    kill "$tuk_pid" 2>/dev/null || true
    wineserver -k >/dev/null 2>&1 || true
    wait "$tuk_pid" 2>/dev/null || true
    tuk_pid=""
  fi
}

# The visible window with exactly this title; empty after the timeout (seconds, default 15).
e2e_window() {
  local title=$1 timeout=${2:-15} id
  for _ in $(seq $((timeout * 10))); do
    id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n1)
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.1
  done
  return 1
}

e2e_gone() {
  local title=$1
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name "^${title}\$" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}

# Clicks the middle of a control: e2e_click WINDOW_ID "input 按钮1".
e2e_click() {
  local window=$1 x y w h
  read -r x y w h <<<"${tuk_layout[$2]}"
  xdotool mousemove --window "$window" $((x + w / 2)) $((y + h / 2)) click 1
  sleep 0.3
}

# Waits for the window with that title (a message box), presses the key in it, and waits until
# it has gone. Fails when no such window comes.
e2e_answer() {
  local title=$1 key=$2
  e2e_window "$title" >/dev/null || return 1
  sleep 0.3
  xdotool key "$key"
  e2e_gone "$title"
}

# Presses a key in the window that has the focus.
e2e_key() {
  xdotool key "$@"
  sleep 0.3
}

# Puts the text on the X clipboard as another program would. xclip stays behind to serve it:
# it must not hold on to the caller's output.
e2e_offer_text() {
  printf '%s' "$1" | xclip -selection clipboard >/dev/null 2>&1
}

# Puts the text on the X clipboard, as another program would, and pastes it into a control
# with Ctrl+V after a click (a click empties the input box; in other boxes the old text is
# removed first). Typing Chinese with xdotool loses characters, pasting does not.
e2e_paste() {
  local window=$1 control=$2 text=$3
  e2e_offer_text "$text"
  e2e_click "$window" "$control"
  e2e_key End shift+Home Delete
  e2e_key ctrl+v
}

# The reference art of a text and fill text, drawn by a program of its own (e2e_reference).
e2e_reference_art() {
  local text=$1 fill=$2 dir
  dir=$(mktemp -d)
  printf '%s' "$text" >"$dir/text"
  printf '%s' "$fill" >"$dir/fill"
  (cd "$bin" && wine e2e_reference.exe "$(winepath -w "$dir/text" 2>/dev/null)" \
    "$(winepath -w "$dir/fill" 2>/dev/null)" 2>/dev/null) | tr -d '\r'
  rm -rf "$dir"
}

# Types the text into the input box (unless it is empty: then the box keeps what it holds) and
# runs the conversion up to the art window's question, which it answers with No. Prints the art
# window's id.
e2e_convert() {
  local text=$1 input art box
  input=$(e2e_window 'tuk 3.1') || return 1
  if [ -n "$text" ]; then
    e2e_click "$input" "input 编辑框enter"
    xdotool type --delay 30 "$text"
  fi
  e2e_click "$input" "input 按钮1"
  e2e_click "$input" "input 按钮2"
  art=$(e2e_window main) || return 1
  e2e_click "$art" "art-button 0"
  e2e_answer '信息：' n || return 1
  echo "$art"
}

# The text of the art window's output box, copied out as a user does.
e2e_copy_output() {
  local art=$1
  e2e_click "$art" "art 编辑框main"
  e2e_key ctrl+a
  e2e_key ctrl+c
  xclip -selection clipboard -o 2>/dev/null
}
