#!/usr/bin/env bash
# Set-up on a Debian 12 machine: installs what is missing, builds, then starts TALVO or runs the
# whole test suite.
#   ./setup.sh run     build and start TALVO
#   ./setup.sh test    build and run every test
# Installing packages needs root; sudo is used when it is available and needed.
set -euo pipefail

cd "$(dirname "$0")"
mode="${1:-run}"
build_dir="${TALVO_BUILD_DIR:-build}"

packages=(g++ make cmake pkg-config python3 qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev
          libcli11-dev nlohmann-json3-dev fonts-dejavu-core clang-format tzdata)
# Only the tests need these: gpsd and its replay tool gpsfake, for reading a fix through gpsd;
# desktop-file-validate, which checks the launcher TALVO writes; Skyfield and astropy, which check
# the orbits of comets and asteroids.
if [ "$mode" = test ]; then
  packages+=(gpsd gpsd-clients desktop-file-utils python3-skyfield python3-astropy)
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  as_root=()
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null; then
      as_root=(sudo)
    else
      echo "These packages are missing and installing them needs root: ${missing[*]}" >&2
      exit 1
    fi
  fi
  "${as_root[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

case "$mode" in
  run)
    cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTALVO_BUILD_TESTS=OFF
    cmake --build "$build_dir" -j "$(nproc)"
    exec "$build_dir/bin/talvo"
    ;;
  test)
    cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTALVO_BUILD_TESTS=ON
    cmake --build "$build_dir" -j "$(nproc)"
    QT_QPA_PLATFORM=offscreen ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)"
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
