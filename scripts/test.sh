#!/usr/bin/env bash
# Builds Linkvale with its tests and runs every test.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
root=$(repo_root)
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
jobs=$(nproc)
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$root/build" -j "$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$root/build" --output-on-failure -j "$jobs"
