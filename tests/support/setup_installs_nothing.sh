#!/usr/bin/env bash
# scripts/setup.sh runs apt-get only for a listed package that dpkg does not
# report installed, and a listed name that apt-get cannot make installed (a
# virtual package) is named at once instead of calling apt-get on every run.
# apt-get and sudo are stand-ins that record their calls.
set -u
root="$1"
bin=$(mktemp -d)
trap 'rm -rf "$bin"' EXIT
printf '#!/bin/sh\necho "apt-get $*" >> "%s/calls"\n' "$bin" > "$bin/apt-get"
printf '#!/bin/sh\nexec "$@"\n' > "$bin/sudo"
chmod +x "$bin/apt-get" "$bin/sudo"
export PATH="$bin:$PATH"
# shellcheck source=/dev/null
source "$root/scripts/setup.sh"
set +e

missing=$(missing_packages "${PACKAGES[@]}")
if [ -n "$missing" ]; then
  echo "not every listed package is installed here ($missing): the first case is skipped"
else
  install_missing
  if [ -e "$bin/calls" ]; then
    echo "apt-get was run with everything installed:"
    cat "$bin/calls"
    exit 1
  fi
fi

PACKAGES=(libqt6svg6-dev) # provided by qt6-svg-dev, never itself installed
out=$(install_missing 2>&1)
status=$?
if [ $status -eq 0 ] || ! grep -q "libqt6svg6-dev" <<<"$out" || ! grep -q "apt-get install" "$bin/calls"; then
  echo "a name that stays uninstalled was not reported (status $status): $out"
  exit 1
fi
echo "apt-get runs only for what is missing"
