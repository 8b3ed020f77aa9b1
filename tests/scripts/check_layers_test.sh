#!/usr/bin/env bash
# scripts/check-layers passes on the checkout and names every crossing in a fixture tree built to break each rule.
set -uo pipefail
root=$1
fail() { echo "FAIL: $*" >&2; exit 1; }

"$root/scripts/check-layers" "$root" >/dev/null || fail "the checkout itself breaks the layers"

out=$("$root/scripts/check-layers" "$root/tests/data/layers" 2>&1) && fail "a fixture with crossings passed"
for expected in \
  'src/core/Color.h: includes <QColor>' \
  'src/engine/formats/Reader.cpp: includes "ui/controls/Swatch.h"' \
  'src/engine/formats/Reader.cpp: includes <QPrinter>' \
  'src/engine/formats/Reader.h: includes <QtWidgets/QLabel>' \
  'src/ui/controls/Swatch.cpp: includes "app/Main.h"' \
  'cli/Tool.cpp: includes "ui/controls/Swatch.h"' \
  'fuzz/Fuzzer.cpp: includes <QApplication>' \
  'src/engine/formats/CMakeLists.txt: feeds tintorium_ui' \
  'circle of includes: engine/formats -> engine/palette -> engine/formats' \
  'circle of includes: ui/palette -> ui/workspace -> ui/palette'; do
  grep -qF "$expected" <<<"$out" || fail "not reported: $expected"$'\n'"$out"
done
# Allowed: app/ including itself and the widgets, widgets including the engine, the engine including Qt GUI and the
# core, the core its standard library, a program's own files.
for unexpected in 'src/app/Main.cpp' 'Swatch.h: includes <QWidget>' '<QImage>' '<QString>' '<cstdint>' \
  'Local.h' 'includes "core/Color.h"' 'includes "engine/palette/Doc.h"'; do
  grep -qF "$unexpected" <<<"$out" && fail "reported though allowed: $unexpected"
done
echo "check-layers: every rule holds and every rule is enforced"
