#!/usr/bin/env bash
# Installs Tavolo into a temporary prefix, makes the prefix read-only and runs the installed
# programs as a user who is not root, with a fresh home: the shipped data is found, what the user
# adds lives in the user's own folder and wins over the shipped item of its name, and not one
# byte under the prefix changes; Save Template in the real program under Xvfb writes to the user's
# folder too. Checks the desktop files with their validators when installed.
# Usage: install_test.sh BUILD-FOLDER
set -euo pipefail

build=$1
id=io.github.tavolo.Tavolo
work=$(mktemp -d "${TMPDIR:-/tmp}/tavolo-install-XXXXXX")
cleanup() {
  chmod -R u+w "$work" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
source "$(dirname "$0")/../private_home.sh"
private_home "$work/own-home"
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$work/install.log" || fail "cmake --install failed"

# The layout of the installed tree.
expected=(
  bin/tavolo bin/tavolo-cli
  share/tavolo/fl1.tmp share/tavolo/tmpl/Cafe.tvt share/tavolo/tmpl/Cafe.tvp
  share/tavolo/customphotos/cafe-photo.jpg share/tavolo/help/about.htm
  share/tavolo/samples/bakery.tvc
  "share/tavolo/abctmp/Avery 5371 Business Cards (Letter).ptm" share/tavolo/sheets/avery.sheets
  "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml"
  "share/mime/packages/$id.xml" "share/icons/hicolor/scalable/apps/$id.svg"
  share/man/man1/tavolo-cli.1
)
for size in 16 22 24 32 48 64 128 256 512; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done
for file in "${expected[@]}"; do
  [ -f "$prefix/$file" ] || fail "not installed: $file"
done
[ -z "$(find "$prefix/bin" -mindepth 1 ! -name tavolo ! -name tavolo-cli)" ] ||
  fail "bin holds more than the two programs: $(ls "$prefix/bin")"
[ "$(identify -format '%w' "$prefix/share/icons/hicolor/256x256/apps/$id.png")" = 256 ] ||
  fail "the 256-pixel icon is not 256 pixels wide"

# The validators, when installed.
if command -v desktop-file-validate >/dev/null; then
  # Its hints count too: two main categories would list the program twice in menus.
  validated=$(desktop-file-validate "$prefix/share/applications/$id.desktop" 2>&1) ||
    fail "desktop-file-validate: $validated"
  [ -z "$validated" ] || fail "desktop-file-validate: $validated"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >"$work/as.log" ||
    { cat "$work/as.log" >&2; fail "appstreamcli validate"; }
fi
if command -v update-mime-database >/dev/null; then
  mkdir -p "$work/mime/packages"
  cp /usr/share/mime/packages/freedesktop.org.xml "$prefix/share/mime/packages/$id.xml" \
    "$work/mime/packages/"
  update-mime-database "$work/mime" >"$work/mime.log" 2>&1
  for pair in tvc:application/x-tavolo-card tvt:application/x-tavolo-template \
    ptm:application/x-tavolo-page-layout; do
    grep -q "^50:${pair#*:}:\*\.${pair%%:*}$" "$work/mime/globs2" ||
      fail "the mime database does not map *.${pair%%:*} to ${pair#*:}"
  done
fi

# The prefix as installed, then read-only.
sums() { (cd "$prefix" && find . -type f -print0 | sort -z | xargs -0 sha256sum); }
sums >"$work/before"
chmod -R a-w "$prefix"
chmod a+rx "$work"

# A fresh home for a user who is not root (nobody, when the test runs as root).
home=$work/home
mkdir -p "$home"
as_user=(env -i "HOME=$home" "PATH=/usr/bin:/bin" "LANG=C.UTF-8" "CUPS_SERVER=$CUPS_SERVER")
if [ "$(id -u)" -eq 0 ]; then
  chown 65534:65534 "$home"
  as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups "${as_user[@]}")
fi
user_folder=$home/.local/share/tavolo
cli=$prefix/bin/tavolo-cli

"${as_user[@]}" "$prefix/bin/tavolo" --version >"$work/version" || fail "tavolo --version"
grep -qx "Program folder: $prefix/share/tavolo" "$work/version" ||
  fail "the shipped data is not $prefix/share/tavolo: $(cat "$work/version")"
grep -qx "User folder: $user_folder" "$work/version" ||
  fail "the user's folder is not $user_folder: $(cat "$work/version")"

"${as_user[@]}" "$cli" backgrounds >"$work/backgrounds" || fail "tavolo-cli backgrounds"
shipped_count=$(($(wc -l <"$work/backgrounds") - 1))
[ "$shipped_count" -gt 10 ] || fail "only $shipped_count backgrounds"
"${as_user[@]}" "$cli" print "$prefix/share/tavolo/tmpl/Cafe.tvt" -o "$home/sheet.pdf" \
  --layout "Avery 5371 Business Cards (Letter)" --fit sheet --strict || fail "tavolo-cli print"
[ -s "$home/sheet.pdf" ] || fail "no sheet was printed"
# A sheet by the part number on its box, from the installed catalogue.
"${as_user[@]}" "$cli" print "$prefix/share/tavolo/tmpl/Cafe.tvt" -o "$home/clean.pdf" \
  --layout "Avery 5881" --fit sheet --strict || fail "tavolo-cli print --layout 'Avery 5881'"
"${as_user[@]}" "$cli" render "$prefix/share/tavolo/tmpl/Cafe.tvt" -o "$home/shipped.png" --strict ||
  fail "tavolo-cli render"

# The user's own background and photo, put where the program puts them.
"${as_user[@]}" mkdir -p "$user_folder/custombg" "$user_folder/customphotos"
"${as_user[@]}" convert -size 64x48 xc:'#c03030' "$user_folder/custombg/Brick.png"
"${as_user[@]}" convert -size 300x200 xc:'#20a020' "$user_folder/customphotos/cafe-photo.jpg"
"${as_user[@]}" "$cli" backgrounds >"$work/backgrounds" || fail "tavolo-cli backgrounds"
grep -q '"Brick"' "$work/backgrounds" || fail "the user's background is not listed"
[ "$(($(wc -l <"$work/backgrounds") - 1))" -eq $((shipped_count + 1)) ] ||
  fail "the user's background does not join the shipped ones"
"${as_user[@]}" "$cli" render "$prefix/share/tavolo/tmpl/Cafe.tvt" -o "$home/own.png" --strict ||
  fail "tavolo-cli render with the user's photo"
! cmp -s "$home/shipped.png" "$home/own.png" || fail "the user's photo does not replace the shipped one"

# Save Template in the real program under Xvfb, when the X tools are installed.
if command -v Xvfb >/dev/null && command -v openbox >/dev/null && command -v xdotool >/dev/null; then
  source "$(dirname "$0")/../e2e/x11_session.sh"
  x11_start 1280 800
  trap 'x11_stop; cleanup' EXIT
  "${as_user[@]}" "DISPLAY=$DISPLAY" "$prefix/bin/tavolo" "$prefix/share/tavolo/samples/bakery.tvc" \
    >"$work/tavolo.log" 2>&1 &
  X11_PIDS+=($!)
  x11_main_window "bakery.tvc — Tavolo"
  # Templates, its second command: Save Template..., whose name is answered as a file dialog is.
  xdotool key alt+t Down Return
  x11_file_dialog "Save Template" "My Own" "$user_folder/tmpl/My Own.tvt"
  [ -s "$user_folder/tmpl/My Own.tvp" ] || fail "the template's picture is not in the user's folder"
fi

sums >"$work/after"
diff "$work/before" "$work/after" >&2 || fail "the installed tree changed"
echo "PASS"
