#!/usr/bin/env bash
# The Wine prefix in which Vantor runs and is tested: a 64-bit prefix under
# build/, no Mono, Gecko or crash dialogs, and the driver zykacpi.sys installed
# as the demand-start kernel service "zykacpi" serving a simulated board.
#
#   tools/wineprefix.sh up DRIVER.sys BOARDS_DIR [BOARD]
#       create the prefix when missing, keep a wineserver alive, install the
#       driver and the board files, and (re)start the service on BOARD
#       (a shipped board's name, default classic)
#   tools/wineprefix.sh down      stop the service and the wineserver
#
# The wineserver must outlive single Wine processes: the kernel service lives
# in it, and without a persistent server it ends with the last program.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="${WINEPREFIX:-$root/build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export WINEARCH=win64
wine="$root/tools/wine-run.sh"
service_key='HKLM\System\CurrentControlSet\Services\zykacpi'
boards_windows='C:\ProgramData\Vantor\boards'
boards_unix="$WINEPREFIX/drive_c/ProgramData/Vantor/boards"

log() { printf 'wineprefix: %s\n' "$*" >&2; }

wineserver_bin() {
    for candidate in wineserver /usr/lib/wine/wineserver64 /usr/lib/wine/wineserver; do
        if command -v "$candidate" >/dev/null 2>&1; then
            echo "$candidate"
            return
        fi
    done
    log "no wineserver found (is the wine package installed?)"
    exit 1
}

create_prefix() {
    [[ -f "$WINEPREFIX/system.reg" ]] && return
    log "creating $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    # wineboot complains about the 32-bit half it cannot have; that is expected.
    "$wine" wineboot --init >/dev/null 2>&1
    "$(wineserver_bin)" -w
    # A crashing test program must end, not wait for someone to close a dialog.
    "$wine" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null
}

keep_server() {
    # -p starts a server that stays alive with no client. It refuses when a
    # server already runs for the prefix (perhaps one about to time out), so
    # that one is ended first; the service is restarted right after anyway.
    local server
    server=$(wineserver_bin)
    # The server outlives this script, so it must not hold its output open.
    if ! "$server" -p </dev/null >/dev/null 2>&1; then
        "$server" -k 2>/dev/null || true
        "$server" -w
        "$server" -p </dev/null >/dev/null 2>&1
    fi
}

service_running() {
    "$wine" sc query zykacpi 2>/dev/null | tr -d '\r' | grep -q 'RUNNING'
}

service_stopped() {
    "$wine" sc query zykacpi 2>/dev/null | tr -d '\r' | grep -q 'STOPPED'
}

# On an X display without a window manager (Xvfb) Wine waits two seconds for
# every window it manages to be withdrawn when it is hidden, which holds up
# the end of every run; unmanaged, it places the windows itself. A desktop
# with a window manager keeps it in charge (VANTOR_WINE_MANAGED=Y).
window_management() {
    "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d "${VANTOR_WINE_MANAGED:-N}" /f </dev/null >/dev/null 2>&1
}

install_driver() {
    local driver=$1 boards=$2 board=$3
    local board_file="$boards/$board.ini"
    if [[ ! -f "$board_file" ]]; then
        log "no shipped board named '$board' (have: $(cd "$boards" && ls -- *.ini | sed 's/\.ini$//' | tr '\n' ' '))"
        exit 1
    fi
    mkdir -p "$boards_unix"
    # The board files and the files they name beside themselves (PCI snapshots).
    find "$boards" -maxdepth 1 -type f -exec cp -f {} "$boards_unix/" \;
    cp -f "$driver" "$WINEPREFIX/drive_c/windows/system32/drivers/zykacpi.sys"

    if service_running; then
        "$wine" sc stop zykacpi >/dev/null || true
        # Not running is not yet stopped: a start while the stop is pending fails.
        for _ in $(seq 50); do service_stopped && break; sleep 0.1; done
    fi
    if ! "$wine" sc query zykacpi >/dev/null 2>&1; then
        "$wine" sc create zykacpi type= kernel start= demand \
            binPath= 'C:\windows\system32\drivers\zykacpi.sys' >/dev/null
    fi
    "$wine" reg add "$service_key" /v BoardFile /t REG_SZ /d "$boards_windows\\$board.ini" /f >/dev/null
    if ! "$wine" sc start zykacpi </dev/null >/dev/null 2>&1; then
        log "the zykacpi service did not start (board file $board_file)"
        exit 1
    fi
    for _ in $(seq 50); do service_running && break; sleep 0.1; done
    service_running || { log "the zykacpi service is not running"; exit 1; }
    log "zykacpi serving board '$board'"
}

case "${1:-}" in
up)
    [[ $# -ge 3 ]] || { echo "usage: $0 up DRIVER.sys BOARDS_DIR [BOARD]" >&2; exit 1; }
    create_prefix
    keep_server
    window_management
    install_driver "$2" "$3" "${4:-classic}"
    ;;
down)
    if [[ -f "$WINEPREFIX/system.reg" ]]; then
        "$(wineserver_bin)" -k 2>/dev/null || true
    fi
    ;;
*)
    echo "usage: $0 up DRIVER.sys BOARDS_DIR [BOARD] | down" >&2
    exit 1
    ;;
esac
