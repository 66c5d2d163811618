#!/usr/bin/env bash
# Writes docs/screenshots/*.png: runs build/bin/orvanta-screenshots, which
# drives the real windows on the bundled course, under Xvfb with a fresh
# ORVANTA_HOME and a fixed screen, locale and time zone, so that a run gives
# the same pictures as the last one unless the windows or the course changed.
#
#   take_screenshots.sh BUILD_DIR OUTPUT_DIR
set -euo pipefail

build="$1"
out="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

[ "$(id -u)" -eq 0 ] && export QTWEBENGINE_DISABLE_SANDBOX=1
mkdir -p "$out" "$work/new"
env HOME="$work/home" XDG_DATA_HOME="$work/home/data" XDG_CACHE_HOME="$work/home/cache" \
    XDG_CONFIG_HOME="$work/home/config" ORVANTA_HOME="$work/progress" \
    LANG=C.UTF-8 LC_ALL=C.UTF-8 TZ=UTC QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=1 \
    timeout 900 xvfb-run -a -s "-screen 0 1600x1200x24 -dpi 96" \
    "$build/bin/orvanta-screenshots" "$work/new"

# Only a complete set replaces the pictures in the repository.
for picture in home question marked second-take report-overall report-topics report-trend; do
    [ -s "$work/new/$picture.png" ] || { echo "missing: $picture.png" >&2; exit 1; }
done
rm -f "$out"/*.png
cp "$work/new"/*.png "$out/"
ls -l "$out"
