#!/usr/bin/env bash
# Builds Rekol, installs it for the current user (~/.local, with its desktop
# entry and the .k09 file type) and runs it on FILE; with no FILE it reopens
# the file of the last session, or a copy of the demo group the first time.
# Usage: scripts/run.sh [FILE]
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh run
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DREKOL_TESTS=OFF -DCMAKE_INSTALL_PREFIX="$HOME/.local" >/dev/null
cmake --build build -j"$(nproc)"
scripts/install-desktop.sh build

if [ $# -eq 0 ]; then
  settings=${REKOL_SETTINGS:-${XDG_CONFIG_HOME:-$HOME/.config}/rekol/rekol.ini}
  if ! grep -qiE '^[[:space:]]*LoadPath[[:space:]]*=.*\.k09[[:space:]]*$' "$settings" 2>/dev/null; then
    # The copy is the user's own: reports entered into it are saved there.
    demo=${XDG_DATA_HOME:-$HOME/.local/share}/rekol/Grupo5.k09
    [ -e "$demo" ] || install -D -m 644 build/demo/Grupo5.k09 "$demo"
    set -- "$demo"
  fi
fi
exec build/bin/rekol "$@"
