#!/usr/bin/env bash
# Installs what the editor needs to build, run and test on Debian. Idempotent: installs only
# what is missing, as root or through sudo.
set -euo pipefail

packages=(
    g++ make cmake pkg-config
    juce-modules-source
    libgtest-dev googletest
    xvfb xauth xdotool x11-utils x11-apps xclip
    x11-xserver-utils xsettingsd   # the screen-scale test: Xft.dpi (xrdb) and XSETTINGS scales
    openbox                        # end-to-end tests under a window manager
    fonts-dejavu-core
    desktop-file-utils libxml2-utils shared-mime-info
    clang-14 libclang-rt-14-dev    # make fuzz: libFuzzer and the sanitizer runtimes
    clang-format                   # the format check (scripts/check-format.sh)
    dpkg-dev lintian appstream man-db   # the package and its checks: dpkg-shlibdeps, lintian, appstreamcli, man
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "install-deps: need root or sudo to install: ${missing[*]}" >&2; exit 1; }
    sudo="sudo"
fi
echo "install-deps: installing ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
