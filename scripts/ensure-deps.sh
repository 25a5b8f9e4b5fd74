#!/usr/bin/env bash
# Installs, with apt, whatever the build, the tests and the program need and the machine lacks.
# Does nothing at all when everything is present. Sourced by run.sh and test.sh.
tavrin_packages=(
  build-essential cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-serialport-dev libqt6sql6-sqlite libsqlite3-dev qt6-qpa-plugins
  libical-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libgl-dev libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-format
  poppler-utils xvfb xauth x11-utils openbox xdotool fonts-dejavu-core tzdata
  at-spi2-core dbus-x11 python3-pyatspi
  desktop-file-utils appstream shared-mime-info dpkg-dev fakeroot
  help2man lintian man-db systemd ser2net
)

tavrin_ensure_deps() {
  local missing=()
  local p
  for p in "${tavrin_packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0

  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq || return 1
  if ! DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"; then
    # a name this release lacks (the fuzzing runtime's, say) must not stop the rest
    for p in "${missing[@]}"; do
      DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "$p" || echo "warning: could not install $p"
    done
  fi
}

# tavrin_build [FOLDER [CMAKE OPTIONS...]]: configures and builds
tavrin_build() {
  local build=${1:-build}
  shift || true
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null || return 1
  cmake --build "$build" -j"$(nproc)"
}
