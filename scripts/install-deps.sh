#!/usr/bin/env bash
# Installs every Debian package that building, running and testing the player needs.
# Idempotent: packages already present are left alone. Run as root on Debian 12.
set -euo pipefail

PACKAGES=(
  # build
  build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev
  qt6-base-dev qt6-base-dev-tools qt6-webengine-dev libqt6svg6-dev qt6-tools-dev qt6-l10n-tools
  libmpg123-dev libpulse-dev libcurl4-openssl-dev libjpeg62-turbo-dev
  libsimpleini-dev libx11-dev libxi-dev libgtest-dev libgmock-dev
  libsndfile1-dev libtag1-dev  # the FLAC/Ogg/Opus/WAV/AIFF plug-in; display tags of those files
  # run
  libqt6widgets6 qt6-qpa-plugins fonts-dejavu-core fontconfig qt6-translations-l10n
  xdg-utils  # xdg-mime: the desktop's default editor for skin files
  # test and benchmark
  xvfb xauth x11-utils xdotool openbox pulseaudio pulseaudio-utils sox libsox-fmt-mp3 lame espeak-ng mpg123
  python3 imagemagick procps time
  libsox-fmt-base flac vorbis-tools opus-tools  # FLAC, Ogg Vorbis and Opus songs with their tags
  fonts-wqy-microhei  # a Chinese font for the pictures of the translated face
  # desktop integration: session bus, media controls, associations, install and package
  dbus-daemon libglib2.0-bin playerctl xdg-utils xdg-user-dirs shared-mime-info desktop-file-utils appstream dpkg-dev file
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "install-deps: missing packages (run as root): ${missing[*]}" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
echo "install-deps: all packages present"
