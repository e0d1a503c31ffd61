#!/usr/bin/env bash
# One entry point for building, testing and trying the tools against the simulator.
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(qt6-base-dev qt6-serialport-dev libqt6sql6-sqlite qt6-base-dev-tools
          qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
          cmake g++ ninja-build ccache xvfb xauth fonts-noto-cjk desktop-file-utils appstream)
FUZZ_PACKAGES=(clang libclang-rt-14-dev)
# CPack's Debian generator asks dpkg-shlibdeps for the libraries and `file` for what is a program.
PACKAGE_PACKAGES=(dpkg-dev file)

build_fuzzers() {
    install_missing "${PACKAGES[@]}" "${FUZZ_PACKAGES[@]}"
    CC=clang CXX=clang++ configure_and_build build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQX_FUZZ=ON
}

as_root() {
    if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "installing: ${missing[*]}"
        as_root apt-get update -qq
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
    fi
}

configure_and_build() {   # dir, extra cmake args...
    local dir=$1; shift
    export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=true   # one cache for every checkout
    cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir"
}

build() {
    install_missing "${PACKAGES[@]}"
    configure_and_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQX_TESTS=OFF
}

need_display() {
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "No display: run it under Xvfb with 'xvfb-run -a ./run.sh $1' (or set QT_QPA_PLATFORM=offscreen)." >&2
        exit 1
    fi
}

# Starts the simulator as model $1, puts its device behind COM$3 and runs program $2.
with_simulator() {
    local model=$1 program=$2 port=$3 fifo sim_pid device
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    ./build/qxsim/qxsim --model "$model" > "$fifo" < <(tail -f /dev/null) &
    sim_pid=$!
    read -r device < "$fifo"
    rm -f "$fifo"
    trap 'kill $sim_pid 2>/dev/null || true' EXIT
    echo "simulated $model on $device (COM$port)"
    env "QXCOM$port=$device" "$program"
}

cmd=${1:-}
shift || true
case "$cmd" in
    build)
        build ;;
    demo)
        build
        [ "${QT_QPA_PLATFORM:-}" = offscreen ] || need_display demo
        with_simulator "${1:-qx3100}" ./build/linktool/linktool 1 ;;
    smsconf)
        build
        [ "${QT_QPA_PLATFORM:-}" = offscreen ] || need_display smsconf
        # the dialog offers port 4 first
        with_simulator smsconf ./build/smsconf/smsconf 4 ;;
    test)
        build_fuzzers
        configure_and_build build-test -DCMAKE_BUILD_TYPE=Debug -DQX_SANITIZE=ON -DQX_FUZZ_DIR="$PWD/build-fuzz"
        export QT_QPA_PLATFORM=offscreen
        export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
        export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
        ctest --test-dir build-test --output-on-failure -j"$(nproc)" "$@" ;;
    package)
        install_missing "${PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"
        configure_and_build build-package -DCMAKE_BUILD_TYPE=Release -DQX_TESTS=OFF
        rm -f build-package/*.deb
        (cd build-package && cpack -G DEB >/dev/null)
        ls "$PWD"/build-package/*.deb ;;
    fuzz)
        build_fuzzers
        seconds=${1:-60}
        export QT_QPA_PLATFORM=offscreen
        # Qt's lazy caches make nearly every input look like a leak, and the leak
        # scan after each one would cut the rate a hundredfold; state that does
        # grow from input to input still ends the run at the RSS limit.
        # Allocation stacks are not kept: recording one for each of the many
        # small allocations of the widgets takes half of a window target's
        # time. A finding, run again with the default options, shows them.
        export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:malloc_context_size=0}
        for target in build-fuzz/tests/fuzz/fuzz_*; do
            [ -f "$target" ] && [ -x "$target" ] || continue   # not the *_autogen folders
            name=$(basename "$target"); corpus=tests/fuzz/corpus/${name#fuzz_}
            work=$(mktemp -d)
            # Past a few bursts, longer inputs add time rather than coverage;
            # smsconf's message block reply (1037 bytes) needs more.
            max_len=512; [[ $name == fuzz_smsconf* ]] && max_len=1100
            echo "== $name for ${seconds}s"
            "$target" -max_total_time="$seconds" -max_len=$max_len -timeout=10 -print_final_stats=1 "$work" "$corpus" 2>&1 \
                | grep -E 'stat::number_of_executed_units|ERROR|SUMMARY|crash-' || true
            rm -rf "$work"
        done ;;
    *)
        echo "usage: ./run.sh build | demo [qx3100|qx3200] | smsconf | test [ctest args] | package | fuzz [seconds]" >&2
        exit 2 ;;
esac
