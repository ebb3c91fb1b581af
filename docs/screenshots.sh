#!/usr/bin/env bash
# Re-takes every screenshot of the README: the program against the virtual R8 (--emulate) on a
# virtual screen, run from a copy of the build's program folder so that nothing it writes (the
# sample macro, the profile) reaches the build. Needs a build, xvfb, imagemagick and xdotool.
# Usage: docs/screenshots.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi
work=$(mktemp -d)
cp -r "${BUILD_DIR:-$root/build}/bin/." "$work/"
# A fresh tree, as a new user has it: no profiles yet (the first start makes them from pD.bin).
rm -f "$work"/modules/setting/p[0-9]*.bin "$work"/modules/setting/r8ctl.ini
mkdir -p "$work/modules/macro"
cat >"$work/modules/macro/Reload.bin" <<'MACRO'
[config]
index=-1
total=6
repeat=1
did=-1

[macro]
0="R    [Down]"
1="60   [Delay]"
2="R      [Up]"
3="MS-L    [Down]"
4="MS-L      [Up]"
5="1000   [Delay]"
MACRO
"$work/r8config" --emulate >/dev/null 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null || true; rm -rf "$work"' EXIT
shot() { import -window root -crop 1000x600+0+0 +repage "$root/docs/$1"; }
click() { xdotool mousemove "$1" "$2" click "${3:-1}"; sleep "${4:-2}"; }

sleep 8
shot screenshot.png
# The settings panel (gear, top left), then closed again.
click 32 24
shot screenshot-settings.png
click 32 24
# Function buttons: x 8..158, 37 px high every 50 px from y 180 (KEY, MACRO, COLOR, SENSOR).
click 83 348
shot screenshot-sensor.png
click 83 298
click 780 218 # the effect list open
shot screenshot-lighting.png
click 780 218 1 1
click 960 231 3 # a right click on P02: the profile's context menu
shot screenshot-profiles.png
click 933 288 1 1 # CANCEL closes it
click 83 198
shot screenshot-keys.png
click 83 248
click 360 228 1 1 # the sample macro, first row of the file list
click 709 266 1 1 # its third line
shot screenshot-macro.png
