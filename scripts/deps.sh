#!/usr/bin/env bash
# Installs the Debian packages Kurvo32 needs that are not installed yet.
set -euo pipefail
packages=(build-essential cmake pkg-config qt6-base-dev qt6-svg-dev libgl-dev libgif-dev
          libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core
          lintian desktop-file-utils appstream libxml2-utils shared-mime-info file)
missing=()
for p in "${packages[@]}" "$@"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
