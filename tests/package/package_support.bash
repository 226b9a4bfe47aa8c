# Shared by the package tests: the one package in the scratch folder, and failing with a reason.

fail() { echo "$(basename "$0" .sh): $*" >&2; exit 1; }

# The .deb that build_package.sh left in <scratch dir>; exactly one.
package_in() {
    local debs=("$1"/*.deb)
    [ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one package in $1, found: ${debs[*]}"
    echo "${debs[0]}"
}
