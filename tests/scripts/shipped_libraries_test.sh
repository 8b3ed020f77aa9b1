#!/usr/bin/env bash
# The shipped libraries are exactly what scripts/make-libraries writes from its definitions: a library edited by
# hand, or a definition changed without regenerating, fails here.
set -uo pipefail
root=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

python3 "$root/scripts/make-libraries" --out "$out" >/dev/null || fail "scripts/make-libraries failed"
diff <(cd "$root/data/Palettes" && ls -A) <(cd "$out" && ls -A) || fail "data/Palettes holds other files than the script writes"
for file in "$out"/*; do
  cmp -s "$file" "$root/data/Palettes/$(basename "$file")" || fail "data/Palettes/$(basename "$file") differs from what the script writes"
done
python3 "$root/scripts/make-libraries" --out "$out" --rgb-txt "$out/none" >/dev/null 2>&1 && fail "a missing rgb.txt was not refused"
echo "the shipped libraries match their definitions"
