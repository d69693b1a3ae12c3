#!/usr/bin/env bash
# Builds the Debian package from a configured build directory, installs it on this
# machine, exercises the installed programs, purges the package again and checks that
# none of its files are left behind.
#
#   packaging/test-package.sh BUILD_DIR        (for example build/release)
#
# Runs apt-get and dpkg as root, or via sudo. Any quintaro package already installed is
# purged first, and the package is purged again when the script ends, however it ends.
# Needs: dpkg-dev (dpkg-shlibdeps), file, desktop-file-utils, appstream, groff-base,
# xvfb and xauth (xvfb-run), x11-utils (xwininfo), besides what building Quintaro needs.
set -euo pipefail

if [ $# -ne 1 ]; then
    echo "usage: $0 BUILD_DIR" >&2
    exit 2
fi
build_dir=$(realpath "$1")
readonly build_dir
packaging_dir=$(realpath "$(dirname "$0")")
readonly packaging_dir
readonly app_id=io.github.quintaro.Quintaro
readonly icon_sizes=(16 24 32 48 64 128 256)

if [ ! -f "$build_dir/CPackConfig.cmake" ]; then
    echo "$build_dir is not a configured Quintaro build directory" >&2
    exit 2
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi

work_dir=$(mktemp -d)
readonly work_dir
# apt fetches a local .deb as the user _apt, which must be able to read it.
chmod 755 "$work_dir"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

step() {
    echo "== $*"
}

is_installed() {
    dpkg-query -W -f='${Status}' quintaro 2>/dev/null | grep -q "install ok installed"
}

# Removes the package with its configuration, when dpkg knows it in any state.
purge_package() {
    dpkg-query -W quintaro >/dev/null 2>&1 || return 0
    DEBIAN_FRONTEND=noninteractive $sudo apt-get purge -y -qq quintaro \
        >>"$work_dir/apt.log" 2>&1 && return 0
    cat "$work_dir/apt.log" >&2
    return 1
}

clean_up() {
    purge_package || echo "could not purge quintaro" >&2
    rm -rf "$work_dir"
}
trap clean_up EXIT

build_package() {
    step "building the package from $build_dir"
    cmake --build "$build_dir" -j2 >/dev/null
    (cd "$work_dir" && cpack --config "$build_dir/CPackConfig.cmake" -B "$work_dir") \
        >"$work_dir/cpack.log" 2>&1 || { cat "$work_dir/cpack.log" >&2; fail "cpack failed"; }
    package=$(find "$work_dir" -maxdepth 1 -name 'quintaro_*_*.deb')
    [ -n "$package" ] || fail "cpack made no quintaro_*.deb"
    basename "$package"
}

# dpkg-shlibdeps must have found the Qt libraries; fonts and the platform plugins are
# added by hand because nothing links them.
check_dependencies() {
    step "checking the package's dependencies"
    local depends
    depends=$(dpkg-deb --field "$package" Depends)
    echo "Depends: $depends"
    # One package name a line, without version constraints.
    local names
    names=$(sed -e 's/ *([^)]*)//g' -e 's/, */\n/g' <<<"$depends")
    local needed
    for needed in libc6 libstdc++6 libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins \
        fonts-liberation fonts-dejavu-core; do
        grep -Fqx "$needed" <<<"$names" || fail "Depends lacks $needed"
    done
}

install_package() {
    step "installing the package"
    purge_package || fail "could not purge an earlier quintaro"
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "$package" \
        >>"$work_dir/apt.log" 2>&1 || { cat "$work_dir/apt.log" >&2; fail "apt-get install failed"; }
    is_installed || fail "quintaro is not installed after apt-get install"
    dpkg-query -L quintaro >"$work_dir/files"
}

check_installed_files() {
    step "checking the installed files"
    local file
    for file in /usr/bin/quintaro /usr/bin/quintaro-replay; do
        [ -x "$file" ] || fail "$file is missing or not executable"
        file --brief "$file" | grep -q ELF || fail "$file is not a program"
        if ldd "$file" | grep -q "not found"; then
            fail "$file misses a shared library: $(ldd "$file" | grep "not found")"
        fi
    done
    [ -f "/usr/share/applications/$app_id.desktop" ] || fail "desktop entry missing"
    [ -f "/usr/share/metainfo/$app_id.metainfo.xml" ] || fail "metainfo missing"
    [ -f "/usr/share/icons/hicolor/scalable/apps/$app_id.svg" ] || fail "scalable icon missing"
    local size icon
    for size in "${icon_sizes[@]}"; do
        icon=/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png
        file --brief "$icon" | grep -q "PNG image data, $size x $size," ||
            fail "$icon is not a ${size}x${size} PNG"
    done
    gzip -t /usr/share/man/man1/quintaro-replay.1.gz || fail "manual page damaged"

    local version
    version=$(dpkg-query -W -f='${Version}' quintaro)
    grep -q "<release version=\"$version\"" "/usr/share/metainfo/$app_id.metainfo.xml" ||
        fail "the metainfo has no release entry for version $version"

    "$packaging_dir/validate-metadata.sh" "/usr/share/applications/$app_id.desktop" \
        "/usr/share/metainfo/$app_id.metainfo.xml" /usr/share/man/man1/quintaro-replay.1.gz
}

check_replay() {
    step "running the installed quintaro-replay"
    local out status
    out=$(/usr/bin/quintaro-replay --help) || fail "quintaro-replay --help failed"
    grep -q -- "--trace" <<<"$out" || fail "quintaro-replay --help does not mention --trace"

    # Three coups with all systems on: a start record and one per action.
    printf 'twins on\nthird on\n17\n8\n22\n' >"$work_dir/session.txt"
    /usr/bin/quintaro-replay --trace "$work_dir/session.txt" >"$work_dir/trace.jsonl" ||
        fail "the replay failed"
    [ "$(wc -l <"$work_dir/trace.jsonl")" -eq 6 ] || fail "the trace does not hold 6 records"
    tail -n 1 "$work_dir/trace.jsonl" | grep -Eq '"CoupZaehler": ?3[,}]' ||
        fail "the last record does not count 3 coups"

    status=0
    /usr/bin/quintaro-replay "$work_dir/no-such-file" 2>/dev/null || status=$?
    [ "$status" -eq 1 ] || fail "an unreadable file exits $status, not 1"
    status=0
    /usr/bin/quintaro-replay --no-such-option 2>/dev/null || status=$?
    [ "$status" -eq 2 ] || fail "a bad command line exits $status, not 2"
}

# The window must open on an X display with nothing but the package's dependencies:
# the main window with its caption appears, which needs the xcb platform plugin.
check_window() {
    step "starting the installed quintaro on a virtual display"
    local status=0
    # shellcheck disable=SC2016  # the inner script expands $! itself, on the virtual display
    QT_QPA_PLATFORM=xcb xvfb-run --auto-servernum bash -c '
        /usr/bin/quintaro &
        for _ in $(seq 100); do
            if xwininfo -root -tree | grep -q "\"Quintaro Saphir Version\""; then
                kill $! && wait $!
                exit 0
            fi
            kill -0 $! 2>/dev/null || exit 1
            sleep 0.1
        done
        kill $!
        exit 1' >"$work_dir/window.log" 2>&1 || status=$?
    if [ "$status" -ne 0 ]; then
        cat "$work_dir/window.log" >&2
        fail "the window \"Quintaro Saphir Version\" did not open"
    fi
}

# Every file of the package must be gone; a directory may stay only when another
# package owns it or it still holds files of others.
check_purge() {
    step "purging the package"
    purge_package || fail "apt-get purge failed"
    ! dpkg-query -W quintaro >/dev/null 2>&1 || fail "dpkg still knows quintaro after purge"
    local path left=0
    while IFS= read -r path; do
        if [ -d "$path" ]; then
            if [ -z "$(ls -A "$path")" ] && ! dpkg-query -S "$path" >/dev/null 2>&1; then
                echo "left behind: empty directory $path" >&2
                left=1
            fi
        elif [ -e "$path" ] || [ -L "$path" ]; then
            echo "left behind: $path" >&2
            left=1
        fi
    done <"$work_dir/files"
    [ "$left" -eq 0 ] || fail "the purge left files behind"
    echo "all $(wc -l <"$work_dir/files") paths of the package are gone or shared"
}

build_package
check_dependencies
install_package
check_installed_files
check_replay
check_window
check_purge
echo "package test passed"
