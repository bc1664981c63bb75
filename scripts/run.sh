#!/usr/bin/env bash
# Builds Linkvale, adds it to the desktop's application menu and starts it in
# the user's data folder.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
root=$(repo_root)
ensure_packages "${BUILD_PACKAGES[@]}"
cmake -S "$root" -B "$root/build-run" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DLINKVALE_BUILD_TESTS=OFF -DLINKVALE_BUILD_BENCH=OFF >/dev/null
cmake --build "$root/build-run" -j "$(nproc)" --target linkvale
"$root/scripts/install-desktop-entry.sh"
exec "$root/scripts/start.sh" "$@"
