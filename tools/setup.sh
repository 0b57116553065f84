#!/usr/bin/env bash
# Installs what building and testing Morvi needs on Debian 12, without questions.
# Idempotent and quick when everything is already there: apt is only called
# for packages that dpkg-query does not report as installed.
set -euo pipefail

packages=(
  # Builds: host (g++, clang for the fuzz targets) and Windows (MinGW-w64, POSIX threads).
  cmake make g++ clang libclang-rt-14-dev googletest g++-mingw-w64-x86-64-posix python3
  # Wine, 64-bit only, with what its drivers load at run time (CUPS, X extensions, fonts).
  wine wine64 fonts-wine libcups2 libfreetype6 libfontconfig1 libgnutls30
  libxrender1 libxrandr2 libxi6 libxcursor1 libxcomposite1 libxinerama1 libxfixes3 libxext6
  # Display without a screen, and the tools that look at it or drive it.
  xvfb x11-utils xdotool imagemagick
  # The test printer: CUPS with a PDF printer, and the tools that read its PDFs.
  cups cups-bsd cups-client printer-driver-cups-pdf ghostscript poppler-utils
  fonts-liberation fonts-freefont-ttf fonts-dejavu-core locales util-linux procps
  # The Windows installer's compiler.
  nsis
)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    -o Dpkg::Options::=--force-confdef -o Dpkg::Options::=--force-confold "${missing[@]}"
fi

# Wine reads non-ASCII command lines and file names through the Linux locale.
if ! locale -a 2>/dev/null | grep -qix 'fr_FR.utf-\?8'; then
  echo "setup: generating the fr_FR.UTF-8 locale"
  if [ -f /etc/locale.gen ]; then
    as_root sed -i 's/^# *\(fr_FR.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  fi
  as_root localedef -i fr_FR -f UTF-8 fr_FR.UTF-8
fi
