#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Tavolo need.
# Does nothing when every package is already present.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev
  # lrelease for the German and French catalogues, and Qt's own translations
  qt6-l10n-tools qt6-translations-l10n
  qt6-svg-dev
  libpng-dev libjpeg-dev libtiff-dev libgif-dev zlib1g-dev libdeflate-dev
  libgtest-dev libbenchmark-dev
  libqrencode-dev zbar-tools
  # .ods and .xlsx data files for a merge
  libzip-dev
  # PDF finishing and the colour conversion for print shops; the sRGB profile of PDF/X files;
  # the tools the print tests check PDFs with
  libqpdf-dev liblcms2-dev icc-profiles-free qpdf ghostscript mupdf-tools
  fonts-liberation2 fonts-dejavu-core
  # the families the shipped templates use
  fonts-cantarell fonts-dancingscript fonts-ebgaramond fonts-league-spartan fonts-lindenhill
  fonts-quicksand fonts-roboto-slab fonts-yanone-kaffeesatz
  xvfb xauth openbox xdotool x11-utils imagemagick poppler-utils
  # gLabels' label database, whose business cards are offered and checked against the shipped
  # sheets
  glabels-data
  # checking the installed desktop files, and making the .deb
  desktop-file-utils appstream shared-mime-info dpkg-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
