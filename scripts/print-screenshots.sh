#!/usr/bin/env bash
# Takes the print dialog's screenshots for the README and the help: the sample card on Letter, on
# A4, and on a predefined Avery sheet, drawn on Qt's offscreen platform by tavolo-gallery.
# Usage: scripts/print-screenshots.sh [BIN_DIR] (default build/bin); the pictures go to
# docs/screenshots/.
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${1:-build/bin}
out=docs/screenshots
mkdir -p "$out"
shot() {
  local file=$1
  shift
  QT_QPA_PLATFORM=offscreen "$bin/tavolo-gallery" --print-dialog "$bin/samples/bakery.tvc" "$@" \
    --screenshot "$out/$file"
}
shot print-dialog-letter.png --paper Letter
shot print-dialog-a4.png --paper A4
shot print-dialog-avery.png --paper A4 --layout "Avery C32011 Business Cards (A4)"
