#!/usr/bin/env bash
# Every text of the program is in the .ts files and translated: lupdate, run over src/ into
# copies of the .ts files, changes nothing (no new text is missing from them, none has
# vanished from the code), and no entry is unfinished, vanished or obsolete.
#
#   check_translations.sh <lupdate> <source folder> <translations folder>
set -euo pipefail
lupdate=${1:?lupdate} src=${2:?source folder} ts_dir=${3:?translations folder}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
for ts in "$ts_dir"/clipwright_*.ts; do
  name=$(basename "$ts")
  cp "$ts" "$work/$name"
  options=(-locations none -no-obsolete -no-ui-lines)
  [ "$name" = clipwright_en.ts ] && options+=(-pluralonly)
  "$lupdate" "${options[@]}" "$src" -ts "$work/$name" > "$work/lupdate.log" 2>&1 \
    || { cat "$work/lupdate.log"; exit 1; }
  if ! diff -u "$ts" "$work/$name"; then
    echo "FAILED: $name is not up to date with the texts in the code" \
      "(cmake --build build --target update_translations, then translate)" >&2
    failures=$((failures + 1))
  fi
  if grep -nE 'type="(unfinished|vanished|obsolete)"' "$ts"; then
    echo "FAILED: $name has entries that are not finished" >&2
    failures=$((failures + 1))
  fi
done
[ "$failures" -eq 0 ] && echo "ok: every text is in every translation"
exit "$failures"
