#!/usr/bin/env bash
# Validates the desktop integration files the package ships: the desktop
# entry, the AppStream metainfo, the MIME type XML and the manual page.
set -euo pipefail
cd "$(dirname "$0")/.."
d=data/desktop
id=org.kurvo32.Kurvo32
desktop-file-validate "$d/$id.desktop"
appstreamcli validate --no-net --pedantic "$d/$id.metainfo.xml"
xmllint --noout "$d/$id.xml" "$d/$id.metainfo.xml" "$d/application-x-kurvofile.svg" src/ui/icons/kurvo.svg
# The MIME type must be one shared-mime-info accepts: build a database from it.
mime=$(mktemp -d)
trap 'rm -rf "$mime"' EXIT
mkdir -p "$mime/packages"
cp "$d/$id.xml" "$mime/packages/"
update-mime-database "$mime" >/dev/null 2>&1
grep -q '^application/x-kurvofile:\*\.kvo$' "$mime/globs"
grep -q 'application/x-kurvofile' "$mime/magic"
# The manual page renders without warnings.
warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z data/desktop/kurvo32.1 2>&1 >/dev/null)
if [ -n "$warnings" ]; then echo "$warnings"; exit 1; fi
echo "desktop files: valid"
