#!/usr/bin/env bash
# Orvanta Practice developer commands.
#
#   ./do run     install what is missing, build, start the program
#   ./do test    install what is missing, build, run every test headless
#   ./do build   install what is missing and build
#   ./do bench   install what is missing, build, run the benchmarks
#   ./do package install what is missing, build, make and check the Debian
#                package build/orvanta-practice_<version>-1_<arch>.deb
#   ./do screenshots  install what is missing, build, retake docs/screenshots
#
# Everything is built into build/ (executables in build/bin/).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="$root/build"

# Debian 12 packages the build, the tests and the program need.
packages=(
    build-essential cmake ninja-build pkg-config python3
    qt6-base-dev qt6-base-dev-tools qt6-webengine-dev qt6-qpa-plugins
    libqt6webenginecore6-bin libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth fonts-liberation xdg-utils poppler-utils
    dpkg-dev file lintian desktop-file-utils appstream
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
*)
    sed -n '2,12p' "$0" | sed 's/^# \{0,1\}//'
    exit 2
    ;;
esac
