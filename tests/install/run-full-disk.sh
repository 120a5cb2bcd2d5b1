#!/usr/bin/env bash
# Runs the full-disk cases of the install run with drive T: mapped to a 64 KB
# tmpfs (mounting needs root; without it the cases are skipped).
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=$1
prefix=$build/wine/prefix
exe=$build/tests/install/install_run_test.exe
"$top/scripts/wine-run" --prefix "$prefix" "$exe" --gtest_list_tests >/dev/null  # makes the prefix
disk=$build/wine/full-disk
mkdir -p "$disk"
mounted=0
if [ "$(id -u)" = 0 ] && mount -t tmpfs -o size=64k tmpfs "$disk" 2>/dev/null; then
  mounted=1
  ln -sfn "$disk" "$prefix/dosdevices/t:"
fi
status=0
"$top/scripts/wine-run" --prefix "$prefix" "$exe" --gtest_filter='FullDisk.*' || status=1
rm -f "$prefix/dosdevices/t:"
[ "$mounted" = 1 ] && umount "$disk"
exit $status
