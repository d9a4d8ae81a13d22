#!/usr/bin/env bash
# Every translation complete: lupdate over the sources, into copies of translations/*.ts, must find
# no text that is new, changed or gone, and no entry may be unfinished. After changing texts:
# `cmake --build build --target update_translations`, translate what it marks unfinished.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=/usr/lib/qt6/bin/lupdate
command -v "$lupdate" >/dev/null || lupdate=lupdate
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

status=0
for ts in translations/vennaros_*.ts; do
    copy="$work/$(basename "$ts")"
    cp "$ts" "$copy"
    "$lupdate" -silent -locations none -no-obsolete src -ts "$copy"
    if ! cmp -s "$ts" "$copy"; then
        echo "$ts: the sources' texts differ from it (run the update_translations target):" >&2
        diff -u "$ts" "$copy" | head -n 40 >&2
        status=1
    fi
    if grep -q 'type="unfinished"\|type="vanished"\|type="obsolete"' "$ts"; then
        echo "$ts: entries left unfinished:" >&2
        grep -B3 'type="unfinished"\|type="vanished"\|type="obsolete"' "$ts" | grep '<source>' | head -n 20 >&2
        status=1
    fi
done
[ "$status" -eq 0 ] && echo "translations: complete for $(ls translations/vennaros_*.ts | wc -l) languages"
exit "$status"
