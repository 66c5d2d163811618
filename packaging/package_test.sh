#!/usr/bin/env bash
# The package as a parent gets it, checked without installing anything:
# builds it with CPack from this build tree, unpacks it into a temporary root
# with dpkg-deb -x, checks its control fields, its files, the menu entry and
# the metainfo, then starts the unpacked program under Xvfb with a fresh
# ORVANTA_HOME (and a temporary home folder) and checks that the main window
# was painted, the web engine ran a page and the start-up wrote its files.
#
#   package_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail

build="$1"
source="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
check() { # check DESCRIPTION COMMAND...
    local what="$1"
    shift
    if "$@"; then echo "ok: $what"; else fail "$what"; fi
}
step() { echo "-- $*"; }
contains() { [[ "$1" == *"$2"* ]]; }

step "building the package"
if ! (cd "$build" && cpack -G DEB -B "$work/cpack" >"$work/cpack.log" 2>&1); then
    cat "$work/cpack.log" >&2
    echo "FAIL: cpack could not build the package" >&2
    exit 1
fi
debs=("$work"/cpack/*.deb)
[ ${#debs[@]} -eq 1 ] || { echo "FAIL: cpack made ${#debs[@]} packages" >&2; exit 1; }
deb="${debs[0]}"
field() { dpkg-deb -f "$deb" "$1"; }
package="$(field Package)"
version="$(field Version)"
arch="$(field Architecture)"
depends="$(field Depends)"
echo "$(basename "$deb"): $(stat -c %s "$deb") bytes"
echo "Depends: $depends"

step "control fields"
check "the file is named package_version_architecture.deb" \
    test "$(basename "$deb")" = "${package}_${version}_${arch}.deb"
check "the package is orvanta-practice" test "$package" = orvanta-practice
check "the version ends in the Debian revision -1" test "${version##*-}" = 1
check "the architecture is the machine's" test "$arch" = "$(dpkg --print-architecture)"
check "dpkg-shlibdeps found the Qt libraries" contains "$depends" libqt6webenginewidgets6
check "the web engine's page process is a dependency" \
    contains "$depends" libqt6webenginecore6-bin
# The package names of Depends, one a line, without versions or alternatives.
depends_names() { tr ',|' '\n\n' <<<"$depends" | sed 's/(.*//; s/ //g' | grep -v '^$'; }
no_build_only() {
    ! depends_names | grep -E -- '-dev$|^lib(gtest|gmock|benchmark)|^(g\+\+|gcc|cpp|cmake|ninja-build|clang.*)$'
}
check "nothing needed only to build or test is a dependency" no_build_only
check "the description has a summary and a body" \
    test "$(field Description | wc -l)" -gt 3
check "there are no maintainer scripts" \
    test -z "$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -Ev '^\./(control|md5sums)?$')"

step "files"
root="$work/root"
dpkg-deb -x "$deb" "$root"
id="$(sed -n 's/^Icon=//p' "$source/packaging/"*.desktop)"
expected=(
    usr/bin/orvanta-practice
    usr/share/orvanta-practice/orvanta.rcc
    "usr/share/applications/$id.desktop"
    "usr/share/metainfo/$id.metainfo.xml"
    usr/share/man/man1/orvanta-practice.1.gz
    usr/share/doc/orvanta-practice/copyright
    usr/share/doc/orvanta-practice/changelog.Debian.gz
)
for size in 16 32 48 64 128 256; do
    expected+=("usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
for f in "${expected[@]}"; do
    check "$f is in the package" test -f "$root/$f"
done
actual="$(cd "$root" && find . -type f | sed 's|^\./||' | sort)"
check "the package holds nothing else" \
    test "$actual" = "$(printf '%s\n' "${expected[@]}" | sort)"
for size in 16 32 48 64 128 256; do
    check "the ${size}-pixel icon is ${size} x ${size}" \
        grep -q "PNG image data, $size x $size," \
        <(file "$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
check "the program is stripped" \
    grep -q ', stripped' <(file "$root/usr/bin/orvanta-practice")
check "the bundle is the build's" cmp -s "$root/usr/share/orvanta-practice/orvanta.rcc" \
    "$build/bin/orvanta.rcc"

step "menu entry and metainfo"
desktop="$root/usr/share/applications/$id.desktop"
metainfo="$root/usr/share/metainfo/$id.metainfo.xml"
check "desktop-file-validate accepts the menu entry" desktop-file-validate "$desktop"
check "the menu entry starts the installed program" \
    grep -qx 'Exec=orvanta-practice' "$desktop"
check "the menu entry is in Education" grep -qx 'Categories=Education;X-Kids;' "$desktop"
check "appstreamcli accepts the metainfo" appstreamcli validate --no-net --explain "$metainfo"
check "the metainfo launches the menu entry" \
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo"
while read -r picture; do
    check "docs/screenshots/$picture exists" test -f "$source/docs/screenshots/$picture"
done < <(sed -n 's|.*<image>.*/\([^/]*\)</image>.*|\1|p' "$metainfo")
if command -v lintian >/dev/null; then
    check "lintian reports no error" lintian --fail-on error "$deb"
fi

# The unpacked program, started as a menu would: from another working
# folder, with a home of its own so that nothing of the machine's user is
# read or written.
run_program() { # run_program PROGRAM OUT ERR, more environment before
    local program="$1" out="$2" err="$3"
    shift 3
    (cd / && env HOME="$work/home" XDG_DATA_HOME="$work/home/data" \
        XDG_CACHE_HOME="$work/home/cache" XDG_CONFIG_HOME="$work/home/config" \
        ORVANTA_START_CHECK=1 "$@" timeout 300 \
        xvfb-run -a -s "-screen 0 1280x1024x24" "$program" >"$out" 2>"$err")
}
web_engine_env=()
[ "$(id -u)" -eq 0 ] && web_engine_env=(QTWEBENGINE_DISABLE_SANDBOX=1)

step "starting the unpacked program"
progress="$work/progress"
mkdir -p "$work/home"
status=0
run_program "$root/usr/bin/orvanta-practice" "$work/out" "$work/err" \
    ORVANTA_HOME="$progress" QT_QPA_PLATFORM=xcb "${web_engine_env[@]}" || status=$?
cat "$work/out"
check "the program ended its check with 0" test "$status" -eq 0
check "the main window was painted" grep -q '^orvanta-practice: main window shown' "$work/out"
check "the web engine ran a page" \
    grep -qx 'orvanta-practice: web engine: a page answered "ready"' "$work/out"
check "the start-up told of no problem" \
    test -z "$(grep 'start-up problem' "$work/out" || true)"
[ "$status" -eq 0 ] || sed 's/^/   stderr: /' "$work/err" | tail -20 >&2
pictures="$(find "$progress/Graphics" -type f 2>/dev/null | wc -l)"
check "the start-up wrote the 89 interface pictures (found $pictures)" test "$pictures" -eq 89
for stem in marks first second fresults sresults trend; do
    count="$(find "$progress" -maxdepth 1 -name "${stem}[1-3]*.txt" | wc -l)"
    check "the start-up made a $stem file for each of the 3 subjects (found $count)" \
        test "$count" -eq 3
done
check "no scratch file is left" \
    test -z "$(find "$progress" -maxdepth 1 -name 'temp*')"
check "the progress went to ORVANTA_HOME only" test ! -e "$work/home/data/Orvanta"

step "starting it without its course file"
broken="$work/broken"
cp -a "$root" "$broken"
rm "$broken/usr/share/orvanta-practice/orvanta.rcc"
status=0
(cd / && env HOME="$work/home" ORVANTA_HOME="$work/progress-broken" ORVANTA_START_CHECK=1 \
    QT_QPA_PLATFORM=offscreen timeout 60 "$broken/usr/bin/orvanta-practice" \
    >"$work/broken.out" 2>"$work/broken.err") || status=$?
check "it stops with 1" test "$status" -eq 1
check "it names the missing course file and where it looked" \
    grep -q "orvanta.rcc is missing. It was looked for as $broken/usr/bin/orvanta.rcc and $broken/usr/share/orvanta-practice/orvanta.rcc." \
    "$work/broken.err"
check "it wrote nothing" test ! -e "$work/progress-broken"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "every check passed"
