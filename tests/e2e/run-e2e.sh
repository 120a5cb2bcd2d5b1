#!/usr/bin/env bash
# Runs the end-to-end tests in a Wine prefix of their own: first with drive D:
# mapped to a fresh folder, then once without a drive D:. Pictures of the pages
# are left in build/tests/e2e/screens as PNG files.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=$1
exe=$build/tests/e2e/e2e_test.exe
prefix=$build/wine/e2e-prefix
run() { "$top/scripts/wine-run" --prefix "$prefix" "$exe" "$@"; }

run --gtest_list_tests >/dev/null   # makes the prefix on first use
drive=$build/wine/e2e-d
rm -rf "$drive"
mkdir -p "$drive"
rm -f "$prefix/dosdevices/d:" "$prefix/dosdevices/d::"
ln -s "$drive" "$prefix/dosdevices/d:"
status=0
run --gtest_filter='-NoDriveD.*' || status=1
rm -f "$prefix/dosdevices/d:"
run --gtest_filter='NoDriveD.*' || status=1

for bmp in "$build"/tests/e2e/screens/*.bmp; do
  [ -e "$bmp" ] || continue
  /usr/bin/convert "$bmp" "${bmp%.bmp}.png" 2>/dev/null && rm -f "$bmp" || true
done
exit $status
