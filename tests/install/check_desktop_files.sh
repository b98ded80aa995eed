#!/usr/bin/env bash
# Validates the desktop entry, the AppStream description and the type of list files as a desktop reads them.
# Usage: check_desktop_files.sh RESOURCES_FOLDER DESKTOP_ENTRY
set -euo pipefail
resources=$1
entry=$2
desktop-file-validate "$entry"
appstreamcli validate --no-net --pedantic "$resources/org.example.zeb.metainfo.xml"

# Every type the entry offers ZEB for is one the system knows (or an older name of one), or the one ZEB
# brings.
mime=$(mktemp -d)
trap 'rm -rf "$mime"' EXIT
mkdir "$mime/packages"
cp /usr/share/mime/packages/freedesktop.org.xml "$resources/zeb-list.xml" "$mime/packages/"
# (It says that the folder is not one applications search, which is the point here.)
update-mime-database "$mime" 2>/dev/null
grep -qx 'application/x-zeb-list:\*\.zbl' "$mime/globs"
sed -n 's/^MimeType=//p' "$entry" | tr ';' '\n' | while read -r type; do
    [ -z "$type" ] || grep -q "^$type\$" "$mime/types" || grep -q "^$type " "$mime/aliases" ||
        { echo "unknown media type: $type"; exit 1; }
done
echo "desktop entry, metainfo and list-file type are valid"
