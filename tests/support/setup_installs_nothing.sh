#!/usr/bin/env bash
# setup.sh runs apt-get (a stand-in) only for what is missing, naming what stays so.
bin=$(mktemp -d) && trap 'rm -rf "$bin"' EXIT && set -u
printf '#!/bin/sh\necho "apt-get $*" >> "%s/calls"\n' "$bin" > "$bin/apt-get"
printf '#!/bin/sh\nexec "$@"\n' > "$bin/sudo" && chmod +x "$bin/apt-get" "$bin/sudo"
export PATH="$bin:$PATH" && source "$1/scripts/setup.sh" && set +e
if [ -z "$(missing_packages "${PACKAGES[@]}")" ] && { ! install_missing || [ -e "$bin/calls" ]; }; then
  echo "apt-get was run with everything installed" && exit 1
fi
PACKAGES=(libqt6svg6-dev) # a virtual package, provided by qt6-svg-dev
! out=$(install_missing 2>&1) && grep -q libqt6svg6-dev <<<"$out" && grep -q "apt-get install" "$bin/calls" || { echo "not reported: $out"; exit 1; }
