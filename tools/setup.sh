#!/usr/bin/env bash
# Installs every system package the project needs. Idempotent: packages already
# present are skipped, and the package lists are refreshed only when something
# is missing. Runs as root on a fresh Debian 12 machine (uses sudo otherwise).
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang-format
  clang libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libfmt-dev libcli11-dev libcairo2-dev
  python3 python3-ezdxf nlohmann-json3-dev time libexpat1-dev ccache valgrind
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
