# Installs the Debian packages the project needs, when any is missing.
# Sourced by scripts/run and scripts/test; uses sudo when not root.

VELKORA_PACKAGES=(
  build-essential cmake ninja-build pkg-config zlib1g-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libgif-dev libwebp-dev
  fonts-dejavu-core desktop-file-utils
  qt6-svg-dev appstream clang-format groff-base
  locales poppler-utils
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
)
# The browser edition's build (scripts/web) and its browser tests (scripts/test).
VELKORA_WEB_PACKAGES=(emscripten nodejs chromium)

velkora_install_missing() {
  local missing=()
  local pkg
  for pkg in "${VELKORA_PACKAGES[@]}" "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done
  if [ ${#missing[@]} -eq 0 ]; then
    return 0
  fi
  echo "Installing missing packages: ${missing[*]}"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
  fi
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
}
