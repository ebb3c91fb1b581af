#!/usr/bin/env bash
# Re-takes the README's shots of the key assignment page and the macro editor: the program
# against the virtual mouse (--emulate) on a virtual screen, run from a copy of the build's
# program folder so that the sample macro stays out of the build.
# Usage: docs/screenshot-keys-macro.sh   (needs a build, xvfb, imagemagick and xdotool)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi
work=$(mktemp -d)
cp -r "${BUILD_DIR:-$root/build}/bin/." "$work/"
# English only, so that the first language is English.
find "$work/modules/i18n" -name 'lang_*.ini' ! -name 'lang_031000.ini' -delete
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
sleep 8
# Function menu: KEY at (83, 198), MACRO one button (50 px) below.
xdotool mousemove 83 198 click 1
sleep 2
import -window root -crop 1000x600+0+0 +repage "$root/docs/screenshot-keys.png"
xdotool mousemove 83 248 click 1
sleep 2
# The sample macro, first row of the file list, and its third line.
xdotool mousemove 360 228 click 1
sleep 1
xdotool mousemove 709 266 click 1
sleep 1
import -window root -crop 1000x600+0+0 +repage "$root/docs/screenshot-macro.png"
