#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need (idempotent).
set -euo pipefail
pkgs=(g++ cmake ninja-build ccache pkg-config
      qt6-base-dev qt6-multimedia-dev qt6-translations-l10n
      gstreamer1.0-plugins-base gstreamer1.0-plugins-good
      libjpeg-dev libgtest-dev libgmock-dev libbenchmark-dev libmuparser-dev
      xvfb xauth x11-utils fonts-liberation fonts-dejavu-core
      pulseaudio pulseaudio-utils poppler-utils unrtf xdg-utils
      librsvg2-bin desktop-file-utils shared-mime-info dpkg-dev  # packaging
      espeak-ng lame  # speaking the demo's sounds anew
      clang clang-format libclang-rt-14-dev)  # fuzzing (libFuzzer, sanitizers), formatting
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends -o Dpkg::Options::=--force-unsafe-io "${missing[@]}"
