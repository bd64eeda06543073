#!/usr/bin/env bash
# Installs the Debian packages that building and testing KAV needs, when
# they are missing. Only root installs; anyone else gets the command to run.
#
#   tools/install-deps.sh           compiler, CMake, Ninja, Qt 6 and lrelease, test libraries
#   tools/install-deps.sh --fuzz    also clang, clang-format and the libFuzzer runtime
set -euo pipefail

packages=(
  g++ make cmake ninja-build
  qt6-base-dev qt6-l10n-tools fonts-liberation2 nlohmann-json3-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb
)
for arg in "$@"; do
  case "$arg" in
    --fuzz) packages+=(clang clang-format libclang-rt-14-dev) ;;
    -h|--help) sed -n '2,7p' "$0"; exit 0 ;;
    *) echo "install-deps: unknown option $arg" >&2; exit 2 ;;
  esac
done

if ! command -v dpkg >/dev/null 2>&1; then
  echo "install-deps: no dpkg here (not Debian); make sure these are installed: ${packages[*]}" >&2
  exit 0
fi

missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps: missing Debian packages: ${missing[*]}" >&2
  echo "install-deps: install them as root:  sudo apt-get install -y ${missing[*]}" >&2
  echo "install-deps:                     or:  sudo tools/install-deps.sh $*" >&2
  echo "install-deps: carrying on; the build stops if something it needs is absent." >&2
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q "${missing[@]}"
