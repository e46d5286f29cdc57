#!/usr/bin/env bash
# make web: Velmora for the browser, compiled to WebAssembly against Qt for WebAssembly (built
# once per machine by build-qt.sh), in BUILD_DIR-tree, and the page's files gathered into
# BUILD_DIR, the folder a web server serves as it is.
#
#   tools/web/build.sh BUILD_DIR HOST_BUILD_DIR
#
# HOST_BUILD_DIR is the Linux build, whose desktop-files tool has drawn the program's icon: the
# page's icons are the same pictures.
set -euo pipefail

build=${1:?usage: build.sh BUILD_DIR HOST_BUILD_DIR}
host=${2:?usage: build.sh BUILD_DIR HOST_BUILD_DIR}
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
tree="$build-tree"
started=$SECONDS

qt=$("$here/build-qt.sh" | tail -n 1)
# shellcheck source=/dev/null
. "$qt/velmora-web-env.sh"

"$qt/bin/qt-cmake" -S "$repo" -B "$tree" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DVELMORA_WERROR=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build "$tree" --target velmora --parallel "${JOBS:-$(nproc)}"

rm -rf "$build"
mkdir -p "$build"
cp "$tree"/{index.html,qtloader.js,velmora.js,velmora.wasm,manifest.webmanifest} "$build/"
icons="$host/packaging/share/icons/hicolor"
cp "$icons/scalable/apps/org.velmora.Velmora.svg" "$build/velmora.svg"
for size in 128 256; do
    cp "$icons/${size}x$size/apps/org.velmora.Velmora.png" "$build/velmora-$size.png"
done
cp "$repo/LICENSE" "$build/LICENSE.txt"
# The fonts inside velmora.wasm are the program's own versions of EB Garamond and the Liberation
# fonts, under the SIL Open Font License, whose text goes with them.
cp "$repo/packaging/copyright" "$build/copyright.txt"
cp "$qt/share/doc/qt6-base/copyright" "$build/qt6-base-copyright.txt"
cat >"$build/README.txt" <<'TEXT'
Velmora в браузере. Эту папку может отдавать любой веб-сервер статических файлов, как она есть;
у файла velmora.wasm должен быть тип MIME application/wasm (остальные: .html text/html, .js
text/javascript, .webmanifest application/manifest+json, .png image/png, .svg image/svg+xml).
Откройте index.html через сервер (не с диска); ?lang=en — по-английски. Лицензии: Velmora — MIT
(LICENSE.txt); её шрифты — SIL Open Font License (copyright.txt); Qt — LGPL 3 (qt6-base-copyright.txt).

Velmora in the browser. Any web server of static files can serve this folder as it is; the file
velmora.wasm must have the MIME type application/wasm (the others: .html text/html, .js
text/javascript, .webmanifest application/manifest+json, .png image/png, .svg image/svg+xml).
Open index.html through the server (not from the disk); ?lang=en shows it in English. Licences:
Velmora is MIT (LICENSE.txt); its fonts are under the SIL Open Font License (copyright.txt); Qt
is under the LGPL 3 (qt6-base-copyright.txt).
TEXT
wasm=$(stat -c %s "$build/velmora.wasm")
packed=$(gzip -9 -c "$build/velmora.wasm" | wc -c)
echo "web: $build/velmora.wasm $((wasm / 1024)) KiB, $((packed / 1024)) KiB with gzip -9;" \
    "built in $((SECONDS - started)) s"
