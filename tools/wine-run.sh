#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's prefix. CTest uses it as
# the emulator of the Windows builds; tools/wineprefix.sh prepares the prefix.
set -u
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="${WINEPREFIX:-$root/build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export WINEARCH=win64
# wine prints a hint about a missing wine32 on every start; 32-bit programs
# cannot run on this kernel anyway, so keep that line out of test logs.
exec wine "$@" 2> >(grep -v -E 'wine32|multiarch needs|dpkg --add-architecture|apt-get install wine32' >&2)
