#!/usr/bin/env bash
# Re-takes the README's screenshots: the program in demo mode on a virtual screen, after the
# power-on animation. Needs a build (scripts/build.sh), xvfb, imagemagick and xdotool.
# Usage: docs/screenshot.sh        (run inside: xvfb-run -a -s "-screen 0 1280x800x24" ...)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi
bin="${BUILD_DIR:-$root/build}/bin/r8config"
"$bin" >/dev/null 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
sleep 3
# Demo mode announces itself with a box; answer it.
xdotool search --sync --onlyvisible --name "R8" >/dev/null 2>&1 || true
xdotool key Return
sleep 6
import -window root -crop 1000x600+0+0 +repage "$root/docs/screenshot.png"
# The settings panel open, second skin.
xdotool mousemove 32 24 click 1
sleep 2
import -window root -crop 1000x600+0+0 +repage "$root/docs/screenshot-settings.png"
