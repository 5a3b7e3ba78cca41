# Shared by scripts/run and scripts/test: installs the Debian packages the
# build needs when they are missing, and configures and builds a tree.
# Works as root and, through sudo, as a normal user.

set -euo pipefail

YANQI_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"

# Everything the build and the tests need, by Debian package name (the
# clipboard test runs under Xvfb and reads the clipboard with xclip).
YANQI_PACKAGES=(
  cmake ninja-build g++ pkg-config
  libicu-dev
  libgtest-dev
  tzdata
  qt6-base-dev
  xvfb xauth xclip
)

# What the window needs on top, to be seen as meant: a font with Chinese characters.
YANQI_WINDOW_PACKAGES=(
  fonts-wqy-microhei
)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing_packages() {
  local missing=()
  local package
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$package")
    fi
  done
  if [ "${#missing[@]}" -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
  fi
}

# configure_and_build BUILD_DIR [CMAKE_OPTION...]
configure_and_build() {
  local build_dir="$1"
  shift
  cmake -S "$YANQI_ROOT" -B "$build_dir" -G Ninja "$@" >/dev/null
  cmake --build "$build_dir" --parallel
}
