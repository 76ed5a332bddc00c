#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build and the tests need and this machine lacks.
# fonts-wine holds Marlett, the font Wine draws title-bar buttons with; it is only recommended by
# Wine, and without it every frame shows letters where its buttons should be (tools/wine-harness.sh
# copies it to where Debian's Wine looks). wine32:i386 (Wine's 32-bit side, for the x86 exe's
# runs) only where a 32-bit program runs: elsewhere /usr/bin/wine would pick its 32-bit loader and
# every Wine run would fail.
set -euo pipefail
packages=(cmake make g++ clang libclang-rt-14-dev googletest python3
          g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 xvfb x11-utils
          fonts-wqy-microhei fonts-wine icoutils imagemagick zip unzip locales)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if "$(dirname "$0")/runs-32bit.sh" >/dev/null &&
    ! dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'install ok installed'; then
    missing+=(wine32:i386)
fi
if [ ${#missing[@]} -gt 0 ]; then
    echo "deps: installing ${missing[*]}"
    if [ "$(id -u)" -ne 0 ]; then
        echo "deps: run as root to install missing packages" >&2
        exit 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    case " ${missing[*]} " in
        *:i386*) dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386 ;;
    esac
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
