#!/usr/bin/env bash
# Vantor's one entry point.
#
#   ./vantor.sh test                 install what is missing, build the native,
#                                    Windows x86_64 and Windows i686
#                                    configurations, run every test
#   ./vantor.sh run [--board NAME|PATH] [--debug]
#                                    install, build, prepare the Wine prefix with
#                                    the simulated board (a shipped board's name,
#                                    default classic, or a board file) and run
#                                    Vantor on it until Ctrl+C or ./vantor.sh stop
#   ./vantor.sh build                install and build only
#   ./vantor.sh stop                 end a running Vantor, the simulated device
#                                    and the wineserver
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build="$root/build"
jobs=$(nproc 2>/dev/null || echo 2)

# Debian packages the build, the tests and the benchmarks need (dmidecode is
# the yardstick of bench_dmi_decode; clang and its runtime libraries, which
# hold libFuzzer, build the fuzz targets; pci.ids holds the names ZyPci.dll
# shows and is copied beside the Windows programs).
packages=(
    cmake ninja-build g++ googletest libgtest-dev
    libbenchmark-dev g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
    binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
    wine wine64 xvfb xauth imagemagick chromium python3
    dmidecode ccache clang libclang-rt-dev pci.ids
)

say() { printf '\n== %s\n' "$*"; }

# Wall time of each phase, printed at the end so slow phases show.
phase_names=()
phase_seconds=()
# Runs a command as the phase NAME and records its wall time; answers the
# command's status.
timed() {
    local name=$1 started=$SECONDS status=0
    shift
    "$@" || status=$?
    phase_names+=("$name")
    phase_seconds+=($((SECONDS - started)))
    return "$status"
}
print_phase_times() {
    [[ ${#phase_names[@]} -eq 0 ]] && return
    say "phase times"
    local i
    for i in "${!phase_names[@]}"; do
        printf '  %-22s %5d s\n' "${phase_names[i]}" "${phase_seconds[i]}"
    done
}

install_packages() {
    local missing=()
    for package in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    [[ ${#missing[@]} -eq 0 ]] && return
    say "installing ${missing[*]}"
    local sudo=()
    [[ $(id -u) -ne 0 ]] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# ccache keeps compiled objects between runs and between clones of this tree
# (paths are taken relative to the clone, so two clones share their objects).
compiler_launcher=()
if command -v ccache >/dev/null; then
    compiler_launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
fi

# Configures a build folder when it is new or when its options changed since
# the last configuration, then builds it.
# (Functions here run under `||` too, where errexit is off: each step
# returns on failure itself.)
configure() {
    local name=$1
    shift
    local options=(-G Ninja "${compiler_launcher[@]}" "$@")
    local stamp="$build/$name/.vantor-options"
    if [[ ! -f "$build/$name/build.ninja" || "$(cat "$stamp" 2>/dev/null)" != "${options[*]}" ]]; then
        cmake -S "$root" -B "$build/$name" "${options[@]}" >/dev/null || return
        printf '%s' "${options[*]}" >"$stamp"
    fi
}

configure_and_build() {
    local name=$1
    shift
    configure "$name" "$@" || return
    cmake --build "$build/$name" -j "$jobs"
}

build_all() {
    say "native build (sanitizers)"
    timed "native build" configure_and_build native -DCMAKE_BUILD_TYPE=Debug
    say "Windows x86_64 build"
    timed "win64 build" configure_and_build win64 -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-x86_64.cmake"
    say "Windows i686 build (built and link-checked; this kernel cannot run it)"
    timed "win32 build" configure_and_build win32 -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTOR_TESTS=OFF \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-i686.cmake"
}

# Every libFuzzer target, built with clang but not run (README, Fuzzing), so
# a change that breaks one shows in the test run.
build_fuzzers() {
    configure fuzz -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
        -DVANTOR_FUZZ=ON -DVANTOR_TESTS=OFF -DVANTOR_SANITIZE=OFF -DVANTOR_BENCH=OFF || return
    cmake --build "$build/fuzz" --target fuzz -j "$jobs"
}

# Windows programs that open windows need an X display; without one, start a
# private Xvfb for the length of this script.
xvfb_pid=""
ensure_display() {
    [[ -n "${DISPLAY:-}" ]] && return
    local display=:97
    while [[ -e "/tmp/.X${display#:}-lock" ]]; do display=":$(( ${display#:} + 1 ))"; done
    Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=$display
    for _ in $(seq 50); do [[ -e "/tmp/.X11-unix/X${display#:}" ]] && break; sleep 0.1; done
}

prefix_up() {
    "$root/tools/wineprefix.sh" up "$build/win64/bin/zykacpi.sys" "$root/boardsim/boards" "$1"
}

cleanup() {
    "$root/tools/wineprefix.sh" down || true
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null || true
}

# Runs ctest and remembers its pass/fail counts for the closing line.
passed=0
failed=0
run_ctest() {
    local dir=$1 log
    log=$(mktemp)
    local status=0
    ctest --test-dir "$dir" --output-on-failure -j "$jobs" 2>&1 | tee "$log" || status=$?
    local line
    line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -1 || true)
    if [[ -n "$line" ]]; then
        local total fails
        fails=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/' <<<"$line")
        total=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\2/' <<<"$line")
        passed=$((passed + total - fails))
        failed=$((failed + fails))
    else
        failed=$((failed + 1))
    fi
    rm -f "$log"
    return "$status"
}

# The DMI pages ZyDmi.dll made from a real machine's table and the PCI pages
# ZyPci.dll made from the classic board during the Wine tests
# (build/win64/dmi-pages, build/win64/pci-pages), rendered by a current
# browser into build/screens/. Pages that were not generated fail the run; a
# browser that fails or is slow only warns.
screenshot_info_pages() {
    local screens="$build/screens" shot page pages
    local shots=(dmi-pages:index.htm:dmi-index.png dmi-pages:Type4.htm:dmi-processor.png
        dmi-pages:Type17-1.htm:dmi-memory-device.png pci-pages:index.htm:pci-index.png
        pci-pages:0-31-2.htm:pci-sata-controller.png)
    for shot in "${shots[@]}"; do
        IFS=: read -r pages page _ <<<"$shot"
        if [[ ! -f "$build/win64/$pages/$page" ]]; then
            echo "information pages: $build/win64/$pages/$page was not generated" >&2
            return 1
        fi
    done
    mkdir -p "$screens"
    local browser=(chromium --headless --disable-gpu --hide-scrollbars --window-size=1024,768)
    [[ $(id -u) -eq 0 ]] && browser+=(--no-sandbox)  # the sandbox refuses to run as root
    for shot in "${shots[@]}"; do
        IFS=: read -r pages page png <<<"$shot"
        if timeout 120 "${browser[@]}" --screenshot="$screens/$png" "file://$build/win64/$pages/$page" >/dev/null 2>&1; then
            echo "information pages: $screens/$png"
        else
            echo "information pages: warning: no screenshot of $pages/$page (browser failed or timed out)" >&2
        fi
    done
}

cmd_test() {
    local started=$SECONDS status=0
    timed install install_packages
    build_all
    say "native tests"
    timed "native tests" run_ctest "$build/native" || status=1
    say "Windows tests under Wine"
    trap cleanup EXIT
    ensure_display
    timed "Wine prefix" prefix_up classic
    timed "Wine tests" run_ctest "$build/win64" || status=1
    say "screenshots of the information pages"
    if ! timed screenshots screenshot_info_pages; then
        status=1
        failed=$((failed + 1))
    fi
    say "fuzz targets (clang, built only)"
    if ! timed "fuzz build" build_fuzzers; then
        status=1
        failed=$((failed + 1))
    fi
    print_phase_times
    say "done in $((SECONDS - started)) s"
    echo "$passed passed, $failed failed"
    return "$status"
}

# ./vantor.sh run: Vantor.exe on the simulated board, on $DISPLAY or, without
# one, on a private Xvfb whose screen is saved every few seconds. It runs
# until Ctrl+C or './vantor.sh stop'; either ends Vantor the way Windows asks
# a program to close (so it saves its settings), then the device, the
# wineserver and the private Xvfb.
run_state="$build/run"
run_vantor_pid=""
run_shots_pid=""

run_cleanup() {
    trap - EXIT INT TERM
    if [[ -n "$run_vantor_pid" ]] && kill -0 "$run_vantor_pid" 2>/dev/null; then
        "$root/tools/wine-run.sh" taskkill /im Vantor.exe >/dev/null 2>&1 || true
        for _ in $(seq 100); do kill -0 "$run_vantor_pid" 2>/dev/null || break; sleep 0.1; done
    fi
    [[ -n "$run_shots_pid" ]] && kill "$run_shots_pid" 2>/dev/null || true
    cleanup
    rm -f "$run_state/pid"
    echo "Vantor stopped."
}

cmd_run() {
    local board=classic debug=()
    while [[ $# -gt 0 ]]; do
        case "$1" in
        --board) board=${2:?--board needs a name or a board file}; shift 2 ;;
        --board=*) board=${1#--board=}; shift ;;
        --debug) debug=(DEBUG); shift ;;
        *) echo "unknown option: $1" >&2; usage; exit 1 ;;
        esac
    done
    if [[ -f "$run_state/pid" ]] && kill -0 "$(cat "$run_state/pid")" 2>/dev/null; then
        echo "Vantor already runs (./vantor.sh stop ends it)" >&2
        exit 1
    fi
    # A board file given by path is served under its own name from a folder of its own.
    local boards="$root/boardsim/boards" name=$board
    if [[ -f "$board" ]]; then
        name=$(basename "$board")
        name=${name%.ini}
        boards="$run_state/boards"
        rm -rf "$boards"
        mkdir -p "$boards"
        cp "$board" "$boards/$name.ini"
    elif [[ ! -f "$boards/$board.ini" ]]; then
        echo "no board file or shipped board named '$board' (shipped: $(cd "$boards" && ls -- *.ini | sed 's/\.ini$//' | tr '\n' ' '))" >&2
        exit 1
    fi
    install_packages
    say "Windows x86_64 build"
    configure_and_build win64 -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-x86_64.cmake"
    local headless=""
    [[ -z "${DISPLAY:-}" ]] && headless=1
    # A desktop of the user's has a window manager; a private Xvfb has none.
    [[ -z "$headless" ]] && export VANTOR_WINE_MANAGED=Y
    ensure_display
    mkdir -p "$run_state"
    trap run_cleanup EXIT
    trap 'exit 130' INT TERM
    echo $$ >"$run_state/pid"
    "$root/tools/wineprefix.sh" up "$build/win64/bin/zykacpi.sys" "$boards" "$name"

    if [[ -n "$headless" ]]; then
        local screens="$build/screens"
        mkdir -p "$screens"
        # Its own session, so that Ctrl+C reaches only this script.
        setsid bash -c 'while :; do
                import -window root "$1/run-latest.tmp.png" 2>/dev/null && mv -f "$1/run-latest.tmp.png" "$1/run-latest.png"
                sleep 5
            done' shots "$screens" </dev/null >/dev/null 2>&1 &
        run_shots_pid=$!
        echo "No display: Vantor runs on a private Xvfb ($DISPLAY); the screen is saved every 5 s to $screens/run-latest.png"
    fi
    say "Vantor on the simulated board '$name'${debug:+ (debug log in build/win64/bin/DebugMsg.log)}; Ctrl+C or './vantor.sh stop' ends it"
    (cd "$build/win64/bin" && exec setsid "$root/tools/wine-run.sh" ./Vantor.exe "${debug[@]}") </dev/null &
    run_vantor_pid=$!
    wait "$run_vantor_pid" || true
    run_vantor_pid=""
}

cmd_stop() {
    local pid=""
    [[ -f "$run_state/pid" ]] && pid=$(cat "$run_state/pid")
    if [[ -n "$pid" ]] && kill -0 "$pid" 2>/dev/null; then
        kill -TERM "$pid"
        for _ in $(seq 300); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    fi
    cleanup
    rm -f "$run_state/pid"
}

usage() {
    sed -n '2,14p' "${BASH_SOURCE[0]}" | sed 's/^# \{0,1\}//'
}

case "${1:-}" in
test) shift; cmd_test "$@" ;;
run) shift; cmd_run "$@" ;;
build) timed install install_packages; build_all; print_phase_times ;;
stop) cmd_stop ;;
-h | --help | help) usage ;;
*) usage; exit 1 ;;
esac
