#!/usr/bin/env bash
# Keeps packaging/runtime-libraries.txt true, so that the package's Depends name everything the
# programs need to start:
# - every library that the framework modules we build can open by name (dlopen) is listed, and
#   every listed "opened" or "unused" library is still opened by those sources;
# - every library the built programs link is listed as "linked", and every "linked" one is linked;
# - each listed package is the one that holds the library on this system;
# - the package's Depends name every listed package.
#   check_runtime_libraries.sh <list> <framework modules dir> <CMakeLists.txt> <scratch dir> <program>...
set -euo pipefail
source "$(dirname "$0")/package_support.bash"

list=$1 modules=$2 cmake_lists=$3 scratch=$4
shift 4
deb=$(package_in "$scratch")

entries=$(grep '^lib' "$list")
listed() { awk -v how="$1" '$3 == how { print $1 }' <<<"$entries" | sort -u; }
only_in_first() { comm -23 <(sort -u <<<"$1") <(sort -u <<<"$2") | grep -v '^$' || true; }

# The modules the editor links, and the library names their Linux sources open.
used_modules=$(grep -o 'juce::juce_[a-z_]*' "$cmake_lists" | sed 's/^juce:://' | sort -u)
opened_by_sources=$(for module in $used_modules; do
        if [ -d "$modules/$module" ]; then find "$modules/$module" -name '*.cpp' -o -name '*.h'; fi
    done | grep -Ev '/(oboe|android)/|_(android|mac|ios|win32|windows|wasm)_' \
         | xargs grep -ohE '"lib[A-Za-z0-9_+-]+\.so(\.[0-9]+)*"' | tr -d '"' | sort -u)
[ -n "$opened_by_sources" ] || fail "found no library names in the framework sources under $modules"
missing=$(only_in_first "$opened_by_sources" "$(listed opened; listed unused)")
[ -z "$missing" ] || fail "the framework can open these, which $list does not list: $missing"
stale=$(only_in_first "$(listed opened; listed unused)" "$opened_by_sources")
[ -z "$stale" ] || fail "$list lists as opened or unused what the framework no longer opens: $stale"

# What the built programs link.
linked_by_programs=$(for program in "$@"; do
        readelf -d "$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'
    done | sort -u)
missing=$(only_in_first "$linked_by_programs" "$(listed linked)")
[ -z "$missing" ] || fail "the programs link these, which $list does not list as linked: $missing"
stale=$(only_in_first "$(listed linked)" "$linked_by_programs")
[ -z "$stale" ] || fail "$list lists as linked what no program links: $stale"

# Each package named holds its library here.
while read -r soname package _; do
    [ "$package" = - ] && continue
    holders=$(dpkg -S "*/$soname" 2>/dev/null | sed 's/: \/.*//' | tr ',' '\n' | sed 's/^ *//; s/:.*//' | sort -u)
    grep -qx "$package" <<<"$holders" || fail "$soname is held by '$(echo $holders)', not $package"
done <<<"$entries"

# The package depends on them all.
depends=$(dpkg-deb -f "$deb" Depends)
depended=$(tr ',|' '\n\n' <<<"$depends" | sed 's/^ *//; s/[ (:].*//')
for package in $(awk '$2 != "-" { print $2 }' <<<"$entries" | sort -u); do
    grep -qxF "$package" <<<"$depended" || fail "Depends lacks $package: $depends"
done

echo "check_runtime_libraries: $(listed opened | wc -l) opened and $(listed linked | wc -l) linked libraries listed; Depends: $depends"
