#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build and the tests need and this machine lacks.
# fonts-wine holds Marlett, the font Wine draws title-bar buttons with; it is only recommended by
# Wine, and without it every frame shows letters where its buttons should be (tools/wine-harness.sh
# copies it to where Debian's Wine looks).
set -euo pipefail
packages=(cmake make g++ clang libclang-rt-14-dev googletest python3
          g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 xvfb x11-utils
          fonts-wqy-microhei fonts-wine icoutils imagemagick zip unzip locales)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "deps: installing ${missing[*]}"
    if [ "$(id -u)" -ne 0 ]; then
        echo "deps: run as root to install missing packages" >&2
        exit 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
