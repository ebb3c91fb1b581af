#!/usr/bin/env bash
# Takes the README's shots of the sensor page, the lighting page and the profile column's
# context menu: the program against the virtual R8 on a virtual screen. Needs a build
# (scripts/build.sh), xvfb, imagemagick and xdotool.
# Usage: docs/screenshot-pages.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi
bin="${BUILD_DIR:-$root/build}/bin/r8config"
"$bin" --emulate >/dev/null 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
sleep 8
# ALL RESET first, so that the pages show the default profile's values.
xdotool mousemove 373 565 click 1
sleep 2
shot() { import -window root -crop 1000x600+0+0 +repage "$root/docs/$1"; }
# Function buttons: x 8..158, 37 px high every 50 px from y 180.
xdotool mousemove 83 348 click 1
sleep 2
shot screenshot-sensor.png
xdotool mousemove 83 298 click 1
sleep 2
# The effect list open.
xdotool mousemove 780 218 click 1
sleep 2
shot screenshot-lighting.png
xdotool mousemove 780 218 click 1
sleep 1
# A right click on P02 opens the profile's context menu.
xdotool mousemove 960 231 click 3
sleep 2
shot screenshot-profiles.png
