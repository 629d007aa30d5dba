#!/usr/bin/env bash
# Installs the Debian packages that building and testing Morva needs, when they are missing.
# Runs non-interactively (as root, or through sudo when it is available).
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-dev pkg-config
  googletest libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
  libfreetype-dev libfontconfig-dev libpng-dev
  fonts-dejavu-core fonts-liberation fonts-wine
  mingw-w64-tools libwine universal-ctags
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1; then
  as_root=(sudo -n)
else
  echo "error: packages are missing (${missing[*]}) and neither root nor sudo is available" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
