#!/usr/bin/env bash
# Puts Linkvale into the desktop's application menu: the desktop entry of
# dist/ with this checkout's start script and icon filled in.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
root=$(repo_root)
share="${XDG_DATA_HOME:-$HOME/.local/share}"
mkdir -p "$share/applications" "$share/icons/hicolor/scalable/apps"
cp "$root/src/app/resources/icons/linkvale.svg" "$share/icons/hicolor/scalable/apps/linkvale.svg"
sed -e "s|^Exec=.*|Exec=\"$root/scripts/start.sh\"|" \
    "$root/dist/linkvale.desktop" >"$share/applications/linkvale.desktop"
