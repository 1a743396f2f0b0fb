#!/usr/bin/env bash
# Installs what is missing, builds, and starts the editor in its working
# folder. The program reads its settings from the "data" folder of the
# folder it starts in, so the editor runs from a folder outside the source
# tree that keeps the data folder between runs:
#   ${KURVO32_HOME:-${XDG_DATA_HOME:-~/.local/share}/kurvo32}
# The first run fills it from the shipped template; later runs only add
# template files that are missing and never overwrite the user's files.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target kurvo32

source_dir="$(pwd)"
work="${KURVO32_HOME:-${XDG_DATA_HOME:-$HOME/.local/share}/kurvo32}"
mkdir -p "$work/data" "$work/Datafiles" "$work/help"
# Settings and lists: only what is missing (sett.dat, pass.dat and
# tbrcfg.dat are written by the program's first start).
find data -maxdepth 1 -type f -exec cp -n {} "$work/data/" \;
cp -n data/Datafiles/* "$work/Datafiles/"
# The help pages belong to the program and follow its version.
cp help/* "$work/help/"

cd "$work"
exec "$source_dir/build/src/kurvo32" "$@"
