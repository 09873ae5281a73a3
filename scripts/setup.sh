#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the tools need: scripts/setup.sh [EXTRA...]
# Safe to run repeatedly: apt-get runs only when something is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libxerces-c-dev libboost-filesystem-dev libzip-dev zipcmp zipmerge ziptool
  libprotobuf-dev protobuf-compiler
  libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev libcli11-dev
)
# Callers may ask for more (the fuzz script adds clang, its sanitizer and libFuzzer runtime
# libclang-rt-14-dev, and python3 for the seed corpora).
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo_cmd apt-get update -q
  $sudo_cmd apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
