# shellcheck shell=bash
# The folders that hold the DLLs a Velmora binary built for Windows imports, apart from Windows'
# own: the toolkit's and MinGW's runtime. Source this file, then call dll_dirs QT_PREFIX.
dll_dirs() {
    echo "$1/bin"
    dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)"
    echo /usr/x86_64-w64-mingw32/lib
}
