#!/usr/bin/env bash
# Installs a build into a temporary DESTDIR and starts the installed program
# as a new user would: offscreen, HOME and the XDG folders in a temporary
# folder, the current folder read-only. Checks the files installed, the
# working folder it fills, that nothing else is written, that a second start
# changes nothing, and the classroom folder.
# Usage: scripts/smoke_install.sh [BUILD_FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD
build=${1:-build}
tmp=$(mktemp -d)
[ -n "${KEEP_SMOKE:-}" ] || trap 'rm -rf "$tmp"' EXIT
chmod 755 "$tmp"
fail() { echo "smoke test: $*" >&2; exit 1; }

DESTDIR="$tmp/dest" cmake --install "$build" --prefix /usr >/dev/null
installed=(bin/kurvo32 share/applications/org.kurvo32.Kurvo32.desktop
  share/mime/packages/org.kurvo32.Kurvo32.xml share/metainfo/org.kurvo32.Kurvo32.metainfo.xml
  share/icons/hicolor/scalable/apps/org.kurvo32.Kurvo32.svg
  share/icons/hicolor/scalable/mimetypes/application-x-kurvofile.svg
  share/man/man1/kurvo32.1.gz share/doc/kurvo32/html/index.html share/doc/kurvo32/copyright
  share/doc/kurvo32/changelog.gz)
for f in "${installed[@]}"; do [ -f "$tmp/dest/usr/$f" ] || fail "not installed: /usr/$f"; done
program="$tmp/dest/usr/bin/kurvo32"

# As root, the user's runs go as nobody so read-only folders mean something.
home="$tmp/home"
mkdir -p "$home" "$tmp/cwd" "$tmp/etc"
as_user=()
if [ "$(id -u)" = 0 ]; then
  chown -R nobody:nogroup "$home" "$tmp/cwd"
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
chmod 555 "$tmp/cwd"
user() {
  (cd "$tmp/cwd" && env -i PATH=/usr/bin:/bin HOME="$home" XDG_DATA_HOME="$home/.local/share" \
     XDG_CONFIG_HOME="$home/.config" XDG_CACHE_HOME="$home/.cache" XDG_RUNTIME_DIR="$home/run" \
     QT_QPA_PLATFORM=offscreen KURVO32_SYSTEM="$tmp/etc" "${as_user[@]}" "$@")
}
start() {
  local status=0
  user timeout 6 "$program" >"$tmp/out" 2>&1 || status=$?
  [ "$status" = 124 ] || { cat "$tmp/out"; fail "the editor did not keep running (status $status)"; }
}
snapshot() { (cd "$home" && find . -type f -printf '%p %s %T@\n' | sort && find . -type f -exec sha256sum {} + | sort); }

[ "$(user "$program" --version)" = "kurvo32 0.1.0" ] || fail "--version"

start
work="$home/.local/share/kurvo32"
for f in "$source_dir"/data/*.txt sett.dat pass.dat tbrcfg.dat; do
  [ -s "$work/data/$(basename "$f")" ] || fail "missing in the working folder: data/$(basename "$f")"
done
for f in "$source_dir"/data/Datafiles/*; do
  cmp -s "$f" "$work/Datafiles/$(basename "$f")" || fail "missing example: Datafiles/$(basename "$f")"
done
[ -z "$(ls -A "$tmp/cwd")" ] || fail "files written in the current folder"
# Caches and the Qt runtime folder aside, the working folder is all there is.
elsewhere=$(cd "$home" && find . -type f ! -path './.local/share/kurvo32/*' ! -path './.cache/*' ! -path './run/*')
[ -z "$elsewhere" ] || fail "files written outside the working folder: $elsewhere"
before=$(snapshot)
start
[ "$before" = "$(snapshot)" ] || fail "a second start changed files"

# The classroom folder: the administrator's toolbar wins over the user's,
# and a user's change to it is refused with the path and the reason.
"$program" setup toolbar --data "$tmp/etc" --select-all --clear 20,21,22 >/dev/null
chmod 755 "$tmp/etc"
chmod 644 "$tmp/etc/tbrcfg.dat"
[ "$(id -u)" = 0 ] || chmod 555 "$tmp/etc"
admin_view=$("$program" setup toolbar --data "$tmp/etc")
[ "$(user "$program" setup toolbar --data "$work/data")" = "$admin_view" ] || fail "the classroom toolbar does not win"
shared=$(sha256sum < "$tmp/etc/tbrcfg.dat")
status=0
user "$program" setup toolbar --data "$work/data" --check 20 >/dev/null 2>"$tmp/err" || status=$?
[ "$status" = 1 ] || fail "a refused change exits $status"
grep -q "$tmp/etc/tbrcfg.dat" "$tmp/err" && grep -q "Permission denied" "$tmp/err" ||
  { cat "$tmp/err"; fail "the refusal does not name the path and reason"; }
[ "$shared" = "$(sha256sum < "$tmp/etc/tbrcfg.dat")" ] || fail "the classroom record changed"
chmod 755 "$tmp/etc"
echo "install smoke test: passed${KEEP_SMOKE:+ (kept in $tmp)}"
