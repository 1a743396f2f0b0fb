#!/usr/bin/env bash
# Installs what is missing, builds, and starts the editor. The program keeps
# its files in its own working folder,
#   ${KURVO32_HOME:-${XDG_DATA_HOME:-~/.local/share}/kurvo32}
# and fills it from the template built into it, so nothing is copied here.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target kurvo32
exec build/src/kurvo32 "$@"
