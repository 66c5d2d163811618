#!/usr/bin/env bash
# Orvanta Practice developer commands.
#
#   ./do run     install what is missing, build, start the program
#   ./do test    install what is missing, build, run every test headless
#   ./do check   build the window-free test programs with the address and
#                undefined-behaviour sanitizers into build-sanitize/ and run them
#   ./do build   install what is missing and build
#   ./do bench   install what is missing, build, run the benchmarks
#   ./do package install what is missing, build, make and check the Debian
#                package build/orvanta-practice_<version>-1_<arch>.deb
#   ./do screenshots  install what is missing, build, retake docs/screenshots
#   ./do format  format every C++ file of the tree with clang-format-14
#                (./do test fails on a file that is not formatted)
#
# Everything is built into build/ (executables in build/bin/), the sanitizer
# build of ./do check into build-sanitize/.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="$root/build"
sanitize_build="$root/build-sanitize"

# Debian 12 packages the build, the tests and the program need.
packages=(
    build-essential cmake ninja-build pkg-config python3
    qt6-base-dev qt6-base-dev-tools qt6-webengine-dev qt6-qpa-plugins
    libqt6webenginecore6-bin libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth fonts-liberation xdg-utils poppler-utils
    dpkg-dev file lintian desktop-file-utils appstream
    clang-format-14
)

say() { printf '\033[1m==> %s\033[0m\n' "$*"; }

install_packages() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "These Debian packages are missing: ${missing[*]}" >&2
        echo "Install them as root:  apt-get install ${missing[*]}" >&2
        exit 1
    fi
    say "Installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

configure_and_build() {
    local generator=()
    command -v ninja >/dev/null && generator=(-G Ninja)
    local werror=OFF
    [ -n "${ORVANTA_WERROR:-}" ] && werror=ON
    if [ ! -f "$build/CMakeCache.txt" ]; then
        say "Configuring"
        cmake -S "$root" -B "$build" "${generator[@]}" \
            -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANTA_WERROR="$werror"
    else
        cmake -S "$root" -B "$build" -DORVANTA_WERROR="$werror" >/dev/null
    fi
    say "Building"
    cmake --build "$build" --parallel "$(nproc)"
}

# The sanitizer build makes only the test programs that show no window (the
# window_free_tests target): the libraries below the widgets, the logic of the
# windows and the tools. Debug: no optimiser, the quickest to compile, and the
# sanitizers' reports name every line.
configure_and_build_sanitized() {
    local werror=OFF
    [ -n "${ORVANTA_WERROR:-}" ] && werror=ON
    local generator=() launcher=()
    command -v ninja >/dev/null && generator=(-G Ninja)
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    if [ ! -f "$sanitize_build/CMakeCache.txt" ]; then
        say "Configuring the sanitizer build"
        cmake -S "$root" -B "$sanitize_build" "${generator[@]}" "${launcher[@]}" \
            -DCMAKE_BUILD_TYPE=Debug -DORVANTA_SANITIZE=ON -DORVANTA_WERROR="$werror"
    else
        cmake -S "$root" -B "$sanitize_build" -DORVANTA_WERROR="$werror" >/dev/null
    fi
    say "Building the window-free tests with the sanitizers"
    cmake --build "$sanitize_build" --target window_free_tests --parallel "$(nproc)"
}

# Qt WebEngine refuses to start its sandbox as root.
web_engine_env() {
    [ "$(id -u)" -eq 0 ] && export QTWEBENGINE_DISABLE_SANDBOX=1
    return 0
}

cmd="${1:-}"
shift || true
case "$cmd" in
build)
    install_packages
    configure_and_build
    ;;
run)
    install_packages
    configure_and_build
    web_engine_env
    say "Starting Orvanta Practice"
    if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
        echo "No display found: starting on a virtual display (Xvfb), where nothing shows."
        echo "Run ./do run from a desktop session to see the program; Ctrl+C stops it."
        exec xvfb-run -a -s "-screen 0 1280x1024x24" "$build/bin/orvanta-practice" "$@"
    fi
    exec "$build/bin/orvanta-practice" "$@"
    ;;
test)
    install_packages
    configure_and_build
    web_engine_env
    say "Testing"
    cd "$build"
    exec ctest --output-on-failure --timeout 900 "$@"
    ;;
check)
    install_packages
    configure_and_build_sanitized
    say "Testing under the sanitizers"
    cd "$sanitize_build"
    exec ctest --output-on-failure --timeout 900 -L window_free "$@"
    ;;
bench)
    install_packages
    configure_and_build
    web_engine_env
    say "Benchmarking"
    for b in "$build"/bin/bench-*; do
        [ -x "$b" ] || continue
        case "$(basename "$b")" in
        # The baseline program that bench-startup starts, not a benchmark.
        bench-minimal-window) continue ;;
        # These show windows: give them a display.
        bench-practice | bench-startup) xvfb-run -a -s "-screen 0 1600x1200x24" "$b" ;;
        *) "$b" "$@" ;;
        esac
    done
    ;;
package)
    install_packages
    configure_and_build
    say "Packaging"
    rm -f "$build"/*.deb
    (cd "$build" && cpack -G DEB)
    deb="$(ls "$build"/*.deb)"
    say "Checking $(basename "$deb") with lintian"
    lintian --fail-on error "$deb"
    dpkg-deb --info "$deb" | sed -n 's/^ \(Version\|Installed-Size\|Depends\):/\1:/p'
    echo "$deb ($(stat -c %s "$deb") bytes)"
    echo "Install it with:  sudo apt install $deb"
    ;;
screenshots)
    install_packages
    configure_and_build
    say "Taking the screenshots into docs/screenshots"
    exec "$root/tools/screenshots/take_screenshots.sh" "$build" "$root/docs/screenshots"
    ;;
format)
    install_packages
    exec "$root/tools/format_code.sh"
    ;;
*)
    sed -n '2,16p' "$0" | sed 's/^# \{0,1\}//'
    exit 2
    ;;
esac
