#!/usr/bin/env bash
# Installs rekol from BUILD_DIR (default build) under the prefix it was
# configured with, and registers its desktop entry and the group list file
# type (.k09) for the current user, so that opening a group file from the
# file manager starts rekol on it.
# Usage: scripts/install-desktop.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
cmake --install "$build" >/dev/null
prefix=$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$build/CMakeCache.txt")

if command -v update-mime-database >/dev/null; then
  update-mime-database "$prefix/share/mime"
fi
if command -v update-desktop-database >/dev/null; then
  update-desktop-database -q "$prefix/share/applications"
fi
if command -v xdg-mime >/dev/null; then
  xdg-mime default rekol.desktop application/x-rekol-group || echo "xdg-mime could not make rekol the default for .k09 files" >&2
fi
