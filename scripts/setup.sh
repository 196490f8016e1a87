#!/usr/bin/env bash
# Installs what building, running and testing tuk need on Debian 12. Safe to run again:
# it asks apt only for what is missing.
set -euo pipefail

packages=(
  cmake make
  g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev binutils-mingw-w64-x86-64
  libboost-regex1.81-dev googletest # Boost.Regex is header-only from 1.76 on
  wine wine64
  xvfb xauth xdotool xclip imagemagick
  fonts-wqy-zenhei
  fonts-wine # Marlett: the caption buttons' symbols
  locales # a Chinese locale, so that tests also run on Wine with code page 936
  clang-format
  clang libclang-rt-14-dev # the .bmp decoder fuzzer
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
  echo "setup: generating the zh_CN.UTF-8 locale"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
fi
