#!/usr/bin/env bash
# tests/shell/install_test.sh — installs a build into a fresh prefix and starts the installed
# game headless: the launcher finds the program folder from anywhere, the desktop entry and
# icons are where desktops look, and a program folder the player cannot write sends the game's
# files to $XDG_DATA_HOME/zerith/. Usage: install_test.sh BUILD_DIR
set -euo pipefail
build=$1
root=$(mktemp -d)
trap 'chmod -R u+w "$root" 2>/dev/null; rm -rf "$root"' EXIT
chmod 755 "$root"
prefix=$root/prefix
fail() {
  echo "install test: $*" >&2
  exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null
program=$prefix/lib/zerith
[ -x "$prefix/bin/zerith" ] || fail "no launcher $prefix/bin/zerith"
for f in zerith game/game.zxc levels/levels.zxc; do
  [ -f "$program/$f" ] || fail "the program folder lacks $f"
done
[ -f "$prefix/share/applications/zerith.desktop" ] || fail "no desktop entry"
for size in 48x48 64x64 128x128 256x256; do
  [ -f "$prefix/share/icons/hicolor/$size/apps/zerith.png" ] || fail "no $size icon"
done
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/zerith.desktop" || fail "desktop entry invalid"
fi

# From another folder and through a link, as a menu or a ~/bin link starts it.
mkdir -p "$root/elsewhere" "$root/home"
ln -s "$prefix/bin/zerith" "$root/elsewhere/zerith"
(cd "$root/elsewhere" && HOME=$root/home XDG_DATA_HOME=$root/data ./zerith --headless --frames 5) ||
  fail "the installed game did not run"
[ -f "$program/Zerith.log" ] || fail "a writable program folder holds no log"
[ -f "$program/temp/game.zxc" ] || fail "a writable program folder holds no working copies"
[ ! -e "$root/data/zerith" ] || fail "files went to the data folder although the program's is writable"

# A program folder the player cannot write: everything the game writes goes to the data folder.
rm -rf "$program/Zerith.log" "$program/temp" "$program/saves" "$program/options.cfg"
mkdir -p "$root/data"
if [ "$(id -u)" -eq 0 ]; then
  command -v setpriv >/dev/null || {
    echo "install test: read-only case skipped (root without setpriv)"
    exit 0
  }
  chown -R nobody "$root/data" "$root/home"
  as_player=(setpriv --reuid=65534 --regid=65534 --clear-groups)
else
  chmod -R a-w "$program"
  as_player=()
fi
"${as_player[@]}" env HOME="$root/home" XDG_DATA_HOME="$root/data" \
  "$prefix/bin/zerith" --headless --frames 5 || fail "the game did not run from a read-only folder"
[ ! -e "$program/Zerith.log" ] || fail "the game wrote into its read-only program folder"
[ -f "$root/data/zerith/temp/game.zxc" ] || fail "no working copies in \$XDG_DATA_HOME/zerith/temp"
grep -q "read-only" "$root/data/zerith/Zerith.log" || fail "the log does not say where files go"
echo "install test: passed"
