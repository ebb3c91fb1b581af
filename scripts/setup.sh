#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need.
# Safe to run again: apt-get skips what is already installed. --fuzz adds the fuzzing tools.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    libgtest-dev
    libgl-dev libgl1-mesa-dri
    qt6-base-dev qt6-declarative-dev qt6-multimedia-dev
    qml6-module-qtquick qml6-module-qtqml-workerscript qml6-module-qtquick-window
    qml6-module-qttest qml6-module-qtqml-models
    libhidapi-dev libudev-dev libglib2.0-dev libxcb1-dev
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good
    gsettings-desktop-schemas
    xvfb xauth
    fonts-wqy-microhei      # the interface's 【 】 brackets; DejaVu lacks them
    imagemagick xdotool     # docs/screenshots.sh; the focus tests
    evilwm                  # a small EWMH window manager for the focus tests under Xvfb
    # The package and its desktop files: cpack -G DEB (dpkg-shlibdeps, file), their checks.
    dpkg-dev file desktop-file-utils appstream groff-base
)

# scripts/fuzz.sh also needs clang and its libFuzzer runtime; CI does not.
if [ "${1:-}" = --fuzz ]; then
    packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
$sudo apt-get install -y --no-install-recommends "${missing[@]}"
