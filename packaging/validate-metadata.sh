#!/usr/bin/env bash
# Checks the desktop entry, the AppStream metainfo and the manual page the way a
# distribution does, and fails on any warning, not only on errors:
#   validate-metadata.sh DESKTOP_FILE METAINFO_FILE MANPAGE(.1 or .1.gz)
# Needs desktop-file-validate (desktop-file-utils), appstreamcli (appstream) and groff.
set -euo pipefail

if [ $# -ne 3 ]; then
    echo "usage: $0 DESKTOP_FILE METAINFO_FILE MANPAGE" >&2
    exit 2
fi
readonly desktop=$1 metainfo=$2 manpage=$3
failed=0

# Prints the output of a check and marks the run failed when there is any.
expect_silence() {
    local what=$1 output=$2
    if [ -n "$output" ]; then
        echo "$what:" >&2
        echo "$output" >&2
        failed=1
    fi
}

expect_silence "desktop-file-validate $desktop" "$(desktop-file-validate "$desktop" 2>&1)"

# --strict fails on every issue above the pedantic level, infos included.
if ! report=$(appstreamcli validate --no-net --strict "$metainfo" 2>&1); then
    expect_silence "appstreamcli validate $metainfo" "$report"
fi

case $manpage in
*.gz) roff=$(gzip -dc "$manpage") ;;
*) roff=$(cat "$manpage") ;;
esac
expect_silence "groff -man -ww $manpage" "$(groff -man -Tutf8 -ww -z <<<"$roff" 2>&1)"

if [ "$failed" -eq 0 ]; then
    echo "desktop entry, metainfo and manual page are clean"
fi
exit "$failed"
