#!/usr/bin/env bash
# Builds Vellumark9 (in build/) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh

# qt6-wayland lets the window open in a Wayland session that has no XWayland.
vellum_need "to build and run Vellumark9" "${VELLUM_BUILD_PACKAGES[@]}" qt6-wayland qt6-translations-l10n
echo "==> Configuring and building in build/"
cmake -S . -B build >/dev/null
cmake --build build --parallel "$(nproc)" --target vellumark9 vellumark9-window vellum_catalogues
echo "==> Starting build/bin/vellumark9"
exec build/bin/vellumark9 "$@"
