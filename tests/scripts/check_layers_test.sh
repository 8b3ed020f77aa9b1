#!/usr/bin/env bash
# scripts/check-layers passes on the checkout and names every crossing in a fixture tree built to break both rules.
set -uo pipefail
root=$1
fail() { echo "FAIL: $*" >&2; exit 1; }

"$root/scripts/check-layers" "$root" >/dev/null || fail "the checkout itself breaks the layers"

out=$("$root/scripts/check-layers" "$root/tests/data/layers" 2>&1) && fail "a fixture with crossings passed"
for expected in \
  'src/controls/Swatch.cpp: includes "app/Main.h"' \
  'src/interchange/Reader.cpp: includes "controls/Swatch.h", a widget file' \
  'src/interchange/Reader.cpp: includes <QPrinter>' \
  'src/interchange/Reader.h: includes <QtWidgets/QLabel>'; do
  grep -qF "$expected" <<<"$out" || fail "not reported: $expected"$'\n'"$out"
done
# Allowed: app/ including itself, widgets including widgets, the engine including Qt GUI and its own headers.
for unexpected in 'src/app/' 'Swatch.h: includes <QWidget>' '<QImage>' 'palette/Doc'; do
  grep -qF "$unexpected" <<<"$out" && fail "reported though allowed: $unexpected"
done
echo "check-layers: both rules hold and both are enforced"
