# Sourced by the run, test and bench scripts: a virtual display and a Wine prefix of our own,
# both under the build folder, and a way to stop them again.
# Needs: $build (the build folder).

export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=" # no Mono or Gecko prompts
export WINEPREFIX=$build/wine/prefix
# Drive D: of the prefix; tests empty it, or move it away to see a machine without drive D.
export TUK_D_DRIVE_UNIX=$build/wine/d-drive
export TUK_D_DRIVE="Z:${TUK_D_DRIVE_UNIX//\//\\}"

tuk_started_xvfb=""

# Starts Xvfb on a free display number; $1 is the screen size (default 1280x1024).
tuk_start_display() {
  local size=${1:-1280x1024}
  local fd_file
  fd_file=$(mktemp)
  Xvfb -displayfd 1 -screen 0 "${size}x24" -nolisten tcp >"$fd_file" 2>/dev/null &
  tuk_started_xvfb=$!
  for _ in $(seq 100); do
    [ -s "$fd_file" ] && break
    sleep 0.1
  done
  export DISPLAY=":$(head -n1 "$fd_file")"
  rm -f "$fd_file"
  [ "$DISPLAY" != ":" ] || { echo "Xvfb did not start" >&2; return 1; }
}

# Makes the prefix once: Wine draws Windows-like frames itself, "宋体" and "SimSun" resolve
# to the CJK font from Debian, and drive D: points into the build folder.
tuk_prepare_prefix() {
  mkdir -p "$TUK_D_DRIVE_UNIX"
  if [ ! -f "$WINEPREFIX/.tuk-ready-3" ]; then
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    local reg=$build/wine/settings.reg
    {
      printf 'Windows Registry Editor Version 5.00\r\n\r\n'
      printf '[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Managed"="N"\r\n"Decorated"="N"\r\n\r\n'
      # Replacements are enumerated as families of their own, so "宋体" shows in font lists.
      printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n"宋体"="WenQuanYi Zen Hei"\r\n\r\n'
      printf '[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]\r\n'
      printf '"宋体"="WenQuanYi Zen Hei"\r\n"SimSun"="WenQuanYi Zen Hei"\r\n"@宋体"="@WenQuanYi Zen Hei"\r\n\r\n'
      # Marlett draws the caption buttons; Debian's fonts-wine has it, but Wine does not load
      # it by itself.
      printf '[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Fonts]\r\n'
      printf '"Marlett (TrueType)"="Z:\\\\usr\\\\share\\\\wine\\\\fonts\\\\marlett.ttf"\r\n\r\n'
    } | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$reg"
    wine regedit /S "$(winepath -w "$reg" 2>/dev/null)" >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.tuk-ready-3"
  fi
  ln -sfn "$TUK_D_DRIVE_UNIX" "$WINEPREFIX/dosdevices/d:"
}

tuk_stop_display() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "$tuk_started_xvfb" ]; then
    kill "$tuk_started_xvfb" 2>/dev/null || true
    wait "$tuk_started_xvfb" 2>/dev/null || true
    tuk_started_xvfb=""
  fi
}
