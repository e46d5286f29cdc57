#!/usr/bin/env bash
# Makes the MSI of the staged portable folder, for the given version (package.sh makes the
# release's; the Windows test makes a later version's of the same files, to replace it).
#
#   tools/windows/msi.sh BUILD_DIR VERSION OUTPUT.msi
#
# BUILD_DIR holds stage/velmora-RELEASE/ (the files), stage/files.wxs (their components, laid out
# by wixl-heat) and velmora.ico. wixl finds the files by paths relative to the folder it runs in.
set -euo pipefail

build=${1:?usage: msi.sh BUILD_DIR VERSION OUTPUT.msi}
version=${2:?usage: msi.sh BUILD_DIR VERSION OUTPUT.msi}
output=$(realpath "${3:?usage: msi.sh BUILD_DIR VERSION OUTPUT.msi}")
repo=$(cd "$(dirname "$0")/../.." && pwd)
cd "$build"
stage=$(find stage -mindepth 1 -maxdepth 1 -type d -name 'velmora-*')
wixl -a x64 -D Win64=yes -D Version="$version" -D Stage="$stage" -D Icon=velmora.ico \
    -D SizeKb="$(du -sk "$stage" | cut -f1)" \
    -o "$output" "$repo/packaging/windows/velmora.wxs" stage/files.wxs
