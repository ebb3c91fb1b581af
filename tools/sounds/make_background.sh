#!/usr/bin/env bash
# Re-creates data/modules/media/00.mp3 from the synthesiser. Needs the `lame` package; the
# result is committed, so the build itself does not need an encoder.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
g++ -std=c++17 -O2 -o "$tmp/gen_sounds" "$root/tools/sounds/gen_sounds.cpp"
"$tmp/gen_sounds" --background "$tmp/background.wav"
mkdir -p "$root/data/modules/media"
lame --quiet -b 64 -m m "$tmp/background.wav" "$root/data/modules/media/00.mp3"
