#!/usr/bin/env bash
# Starts the built program in the user's data folder, seeding that folder with
# the icons, help pages and styles the program ships with (files the user has
# changed or added are kept). The desktop entry runs this script.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
root=$(repo_root)
program="$root/build-run/src/app/linkvale"
if [ ! -x "$program" ]; then
    echo "Linkvale is not built yet: run ./scripts/run.sh first." >&2
    exit 1
fi
data="${XDG_DATA_HOME:-$HOME/.local/share}/linkvale"
mkdir -p "$data"
for folder in "$root"/data/*/; do
    [ -d "$folder" ] || continue
    mkdir -p "$data/$(basename "$folder")"
    cp -rn "$folder". "$data/$(basename "$folder")/"
done
cd "$data"
exec "$program" "$@"
