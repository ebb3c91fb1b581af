#!/usr/bin/env bash
# Sets up, builds and starts the configurator. Arguments go to r8config.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
# Without hardware: the virtual R8 (see README, "Running without a mouse").
exec "${BUILD_DIR:-$root/build}/bin/r8config" --emulate "$@"
