#!/usr/bin/env bash
# scripts/setup.sh runs apt-get (here a stand-in that records its calls) only
# for a listed package dpkg does not report installed, and names a listed
# package that stays uninstalled (a virtual one) instead of trying every run.
set -u
bin=$(mktemp -d)
trap 'rm -rf "$bin"' EXIT
printf '#!/bin/sh\necho "apt-get $*" >> "%s/calls"\n' "$bin" > "$bin/apt-get"
printf '#!/bin/sh\nexec "$@"\n' > "$bin/sudo"
chmod +x "$bin/apt-get" "$bin/sudo"
export PATH="$bin:$PATH"
source "$1/scripts/setup.sh"
set +e
if [ -n "$(missing_packages "${PACKAGES[@]}")" ]; then
  echo "not every listed package is installed here: the first check is skipped"
elif ! install_missing || [ -e "$bin/calls" ]; then
  echo "apt-get was run with everything installed" && exit 1
fi
PACKAGES=(libqt6svg6-dev) # provided by qt6-svg-dev, never itself installed
out=$(install_missing 2>&1) && echo "not reported: $out" && exit 1
grep -q "libqt6svg6-dev" <<<"$out" && grep -q "apt-get install" "$bin/calls" || { echo "not reported: $out"; exit 1; }
echo "apt-get runs only for what is missing"
