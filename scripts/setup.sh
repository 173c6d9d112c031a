# Shared by scripts/run and scripts/test: install what is missing, then
# configure and build. Sourced, not run.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${GORVIN_BUILD_DIR:-$ROOT/build}"

# Debian packages the build, the program and the tests need.
PACKAGES=(cmake g++ make pkgconf
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6-dev libgl-dev
  qt6-qpa-plugins libqt6svg6
  libgtest-dev libbenchmark-dev
  fonts-liberation fontconfig
  xvfb xauth poppler-utils
  libcups2-dev time)
PACKAGES+=("${GORVIN_EXTRA_PACKAGES[@]:-}")

install_missing() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    [ -n "$p" ] || continue
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$p")
    fi
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}" >&2
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
}

configure_and_build() {
  cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
  cmake --build "$BUILD" --parallel "$(nproc)"
}
