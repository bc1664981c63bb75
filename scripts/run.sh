#!/usr/bin/env bash
# Builds Linkvale and starts it in the user's data folder.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
root=$(repo_root)
ensure_packages "${BUILD_PACKAGES[@]}"
cmake -S "$root" -B "$root/build-run" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DLINKVALE_BUILD_TESTS=OFF -DLINKVALE_BUILD_BENCH=OFF >/dev/null
cmake --build "$root/build-run" -j "$(nproc)" --target linkvale
# The program works in the folder it starts in; give it one of the user's own,
# seeded with the icons, help pages and styles it ships with.
data="${XDG_DATA_HOME:-$HOME/.local/share}/linkvale"
mkdir -p "$data"
if [ -d "$root/data" ]; then
    for folder in "$root"/data/*/; do
        [ -d "$folder" ] || continue
        mkdir -p "$data/$(basename "$folder")"
        cp -rn "$folder". "$data/$(basename "$folder")/"
    done
fi
cd "$data"
exec "$root/build-run/src/app/linkvale" "$@"
