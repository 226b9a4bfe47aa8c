#!/usr/bin/env bash
# Installs the package into a scratch root with dpkg, then checks that each installed file is
# where the desktop entry, the file type, the icons and the AppStream metadata say (the checks of
# tests/install/check_install.sh), and that the package installs nothing anywhere else.
#   check_installed_package.sh <scratch dir> <check_install.sh>
set -euo pipefail
source "$(dirname "$0")/package_support.bash"

scratch=$1 check_install=$2
deb=$(package_in "$scratch")
root=$scratch/root
package=$(dpkg-deb -f "$deb" Package)

# An empty dpkg database of our own: the package's dependencies are not installed there, and
# the triggers of the desktop caches have no interested package to run.
rm -rf "$root"
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status"
dpkg --root="$root" --log=/dev/null --force-not-root --force-depends --force-script-chrootless \
     --install "$deb" >"$scratch/dpkg.log" 2>&1 || { cat "$scratch/dpkg.log" >&2; fail "dpkg cannot install $deb"; }
dpkg --root="$root" --status "$package" | grep -qx 'Status: install ok installed' || fail "dpkg does not record $package as installed"

bash "$check_install" --installed "$root/usr"

# Everything the package installs lies in one of the places a desktop, man or dpkg look.
allowed='^/usr/(bin/[^/]+|share/(applications/[^/]+\.desktop|mime/packages/[^/]+\.xml|icons/hicolor/[0-9]+x[0-9]+/(apps|mimetypes)/[^/]+\.png|metainfo/[^/]+\.metainfo\.xml|man/man1/[^/]+\.1\.gz|doc/'"$package"'/.+|lintian/overrides/'"$package"'))$'
stray=$(dpkg --root="$root" --listfiles "$package" | while read -r path; do
        [ -d "$root$path" ] || grep -Eqx "$allowed" <<<"$path" || echo "$path"
    done)
[ -z "$stray" ] || fail "the package installs files outside their places: $stray"

echo "check_installed_package: $package installs into $root where its desktop files say"
