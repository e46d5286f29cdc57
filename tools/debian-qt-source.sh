# Sourced by the scripts that build Qt for another platform (tools/windows/build-qt.sh,
# tools/web/build-qt.sh): Debian's own source of qt6-base, with Debian's patches.
#
# It sets `version`, the Debian version of the machine's Qt (qt6-base-dev), whose moc, rcc and
# uic the cross build uses, and `upstream`, Qt's own version in it (6.4.2).
#
#   debian_qt_source VERSION ROOT
#
# fetches the source package of that version into ROOT/download (kept there for a later build)
# and unpacks it into ROOT/source with Debian's patches, less the two that only serve Debian's
# own builds: cross.patch turns on the Android deployment tool for Debian's cross builds,
# force_shared_libzstd.patch links the system's shared zstd.

version="$(dpkg-query -W -f='${Version}' qt6-base-dev)"
upstream="${version#*:}"
upstream="${upstream%%+*}"

# apt-get source needs a deb-src entry for the archive the machine installs from; where there is
# none, one is written beside each deb entry, for the same addresses and suites.
ensure_deb_src() {
    local version=$1 sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    apt-get source --print-uris -qq "qt6-base=$version" >/dev/null 2>&1 && return
    echo "build-qt: adding deb-src entries for the machine's archives"
    shopt -s nullglob
    local deb822=(/etc/apt/sources.list.d/*.sources) oneline=(/etc/apt/sources.list.d/*.list)
    [ -f /etc/apt/sources.list ] && oneline+=(/etc/apt/sources.list)
    if [ ${#deb822[@]} -gt 0 ]; then
        awk 'BEGIN { RS = ""; ORS = "\n\n" }
             /(^|\n)Types:[^\n]*deb([ \t\n]|$)/ && !/(^|\n)Enabled:[ \t]*no/ {
                 sub(/(^|\n)Types:[^\n]*/, "\nTypes: deb-src"); sub(/^\n/, ""); print }' \
            "${deb822[@]}" | "${sudo[@]}" tee /etc/apt/sources.list.d/velmora-deb-src.sources \
            >/dev/null
    fi
    if [ ${#oneline[@]} -gt 0 ]; then
        sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' "${oneline[@]}" |
            "${sudo[@]}" tee /etc/apt/sources.list.d/velmora-deb-src.list >/dev/null
    fi
    "${sudo[@]}" apt-get update -qq
}

debian_qt_source() {
    local version=$1 root=$2 patch
    mkdir -p "$root/download"
    ensure_deb_src "$version" >&2
    echo "build-qt: fetching Debian's source of qt6-base $version" >&2
    (cd "$root/download" && apt-get source --download-only -qq "qt6-base=$version" >&2)
    # --no-copy: the tarball stays in download/ alone, not a second copy beside the source.
    dpkg-source --skip-patches --no-copy -x "$root/download/qt6-base_${version#*:}.dsc" \
        "$root/source" >&2
    echo "build-qt: applying Debian's patches" >&2
    while read -r patch _; do
        case "$patch" in
            '' | '#'* | cross.patch | force_shared_libzstd.patch) ;;
            *) patch -d "$root/source" -p1 -s <"$root/source/debian/patches/$patch" ;;
        esac
    done <"$root/source/debian/patches/series"
}
