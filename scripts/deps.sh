# Sourced by the scripts: installs the Debian packages Tintorium needs, only when one is missing.
TINTORIUM_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  liblcms2-dev libgif-dev libimagequant-dev libjpeg-dev libxml2-utils desktop-file-utils python3 ripgrep imagemagick
  xvfb xauth fonts-dejavu-core openbox xdotool x11-common
  qt6-image-formats-plugins poppler-utils dbus openssl
  qt6-translations-l10n
  clang libclang-rt-14-dev
  nodejs
  dpkg-dev lintian appstream groff-base groff man-db zsh fish
)

tintorium_install_deps() {
  local missing=()
  local p
  for p in "${TINTORIUM_PACKAGES[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
  done
  # npm comes with some Node builds and is a package of its own in Debian.
  command -v npm >/dev/null 2>&1 || missing+=(npm)
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing missing packages: ${missing[*]}"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then sudo="sudo"; else
      echo "error: missing packages (${missing[*]}) and not root; install them and run again" >&2
      return 1
    fi
  fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
