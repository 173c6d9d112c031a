# Shared by scripts/run and scripts/test: install what is missing, then
# configure and build. Sourced, not run.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${GORVIN_BUILD_DIR:-$ROOT/build}"

# Debian packages the build, the program and the tests need. Only real
# package names: a virtual one (such as libqt6svg6-dev, which qt6-svg-dev
# provides) is never reported installed, so it would run apt-get every time.
PACKAGES=(cmake g++ make pkgconf
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  qt6-qpa-plugins libqt6svg6
  libgtest-dev libbenchmark-dev
  fonts-liberation fontconfig
  xvfb xauth poppler-utils
  libcups2-dev time
  libzint-dev libzbar-dev libharfbuzz-dev
  glabels-data desktop-file-utils libxml2-utils shared-mime-info
  appstream help2man)
PACKAGES+=("${GORVIN_EXTRA_PACKAGES[@]:-}")

# Prints the listed packages that dpkg does not report installed.
missing_packages() {
  local p
  for p in "$@"; do
    [ -n "$p" ] || continue
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      echo "$p"
    fi
  done
}

install_missing() {
  local missing=()
  mapfile -t missing < <(missing_packages "${PACKAGES[@]}")
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}" >&2
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
    # The same query that chose what to install checks the result, so a name
    # apt-get accepts but dpkg never lists is found at once, not on every run.
    local still=()
    mapfile -t still < <(missing_packages "${missing[@]}")
    if [ ${#still[@]} -gt 0 ]; then
      echo "Still not installed after apt-get (not a real package name?): ${still[*]}" >&2
      return 1
    fi
  fi
}

configure_and_build() {
  cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
  cmake --build "$BUILD" --parallel "$(nproc)"
}

# The print system for the printing tests: starts cupsd when it is not
# running (and stops it again when the calling script ends) and adds the
# cups-pdf queue "LabelPDF" when it is missing. Nothing here fails the
# script: without a print system those tests report themselves skipped, with
# the reason.
CUPSD_STARTED_PID=""
stop_started_cupsd() {
  if [ -n "$CUPSD_STARTED_PID" ]; then
    kill "$CUPSD_STARTED_PID" 2>/dev/null || true
    CUPSD_STARTED_PID=""
  fi
}

ensure_label_queue() {
  local cupsd=/usr/sbin/cupsd sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo -n"
  if [ ! -x "$cupsd" ]; then
    echo "Print system not installed: printing tests will be skipped." >&2
    return 0
  fi
  if ! lpstat -r 2>/dev/null | grep -q "scheduler is running"; then
    $sudo "$cupsd" -f >/dev/null 2>&1 &
    CUPSD_STARTED_PID=$!
    trap stop_started_cupsd EXIT
    local i
    for i in $(seq 1 50); do
      lpstat -r 2>/dev/null | grep -q "scheduler is running" && break
      sleep 0.2
    done
    if ! lpstat -r 2>/dev/null | grep -q "scheduler is running"; then
      echo "cupsd could not be started: printing tests will be skipped." >&2
      return 0
    fi
  fi
  if ! lpstat -v LabelPDF >/dev/null 2>&1; then
    local ppd
    ppd=$(ls /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd /usr/share/ppd/cups-pdf/*.ppd 2>/dev/null | head -n 1 || true)
    if [ -z "$ppd" ] || ! $sudo lpadmin -p LabelPDF -v cups-pdf:/ -P "$ppd" -E >/dev/null 2>&1; then
      echo "The print queue LabelPDF could not be added: printing tests will be skipped." >&2
    fi
  fi
  return 0
}
