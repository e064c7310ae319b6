#!/usr/bin/env bash
# Installs what the build, the tests and the screenshot need on a Debian
# machine: the i686 cross compiler, CMake/Ninja, GoogleTest sources, 32-bit
# Wine, Xvfb, xdotool, ImageMagick and the fonts. Idempotent; takes a
# fraction of a second when everything is installed. Needs root (or sudo)
# only when something is missing.
set -euo pipefail

packages=(
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686 mingw-w64-i686-dev
  cmake ninja-build googletest
  wine wine32:i386 xvfb x11-apps xdotool imagemagick util-linux
  fonts-wine fonts-liberation libfreetype6:i386 libfontconfig1:i386 locales
)

sudo=()
if [ "$(id -u)" -ne 0 ]; then sudo=(sudo); fi

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo[@]}" dpkg --add-architecture i386
fi

# One dpkg-query for all packages; missing ones print nothing or not "installed".
mapfile -t installed < <(dpkg-query -W -f='${Package}:${Architecture} ${Status}\n' "${packages[@]%%:*}" 2>/dev/null |
  awk '$NF == "installed" {print $1}')
need=()
for p in "${packages[@]}"; do
  found=no
  for i in "${installed[@]}"; do
    case "$p" in
      *:*) [ "$i" = "$p" ] && found=yes ;;
      *) case "$i" in "$p":*) found=yes ;; esac ;;
    esac
  done
  [ $found = yes ] || need+=("$p")
done

if [ ${#need[@]} -gt 0 ]; then
  echo "setup.sh: installing ${need[*]}" >&2
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi

# The posix thread model gives std::thread/std::mutex, which GoogleTest needs.
for tool in i686-w64-mingw32-g++ i686-w64-mingw32-gcc; do
  case "$(readlink -f "/usr/bin/$tool")" in
    *-posix) ;;
    *) "${sudo[@]}" update-alternatives --set "$tool" "/usr/bin/$tool-posix" >/dev/null 2>&1 || true ;;
  esac
done

# The launcher's texts are Korean in code page 949: tests that read them run
# Wine with LANG=ko_KR.UTF-8, which needs the locale generated.
if ! locale -a 2>/dev/null | grep -qix 'ko_KR.utf8'; then
  "${sudo[@]}" sed -i 's/^# *\(ko_KR.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -qx 'ko_KR.UTF-8 UTF-8' /etc/locale.gen || echo 'ko_KR.UTF-8 UTF-8' | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
  "${sudo[@]}" locale-gen >/dev/null
fi
