#!/usr/bin/env bash
# Starts quintaro on a virtual X display, plays a few coups with the keyboard
# and saves a PNG of the window, so the window can be looked at without a
# display.
#
#   scripts/screenshot.sh [PROGRAM] [PNG]
#
# PROGRAM defaults to build/dev/ui/quintaro, PNG to screenshot.png. Needs
# xvfb, xdotool and imagemagick (apt-get install -y xvfb xdotool imagemagick).
set -euo pipefail

program=$(realpath "${1:-build/dev/ui/quintaro}")
output=$(realpath -m "${2:-screenshot.png}")

if [[ -z "${QUINTARO_SCREENSHOT_DISPLAY:-}" ]]; then
    # Run again inside a fresh virtual display of its own.
    exec xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" \
        env QUINTARO_SCREENSHOT_DISPLAY=1 "$0" "$program" "$output"
fi

"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

window=$(xdotool search --sync --onlyvisible --name '^Quintaro Saphir Version$' | head -n 1)
sleep 1

press() { xdotool key --delay 60 "$@"; }

# Tick "Zwillinge verfolgen" (Tab order: input box, OK, Vordergrund,
# Hintergrund, Reset, Quintaro, Zwillinge verfolgen) and confirm the untouched
# "00" with Enter, which brings the focus back to the input box.
press Tab Tab Tab Tab Tab Tab space Return
for number in 17 8 22 5 31 12 29 33 14 36 7; do
    xdotool type --delay 60 "$number"
    press Return
done
sleep 1

import -window "$window" "$output"
echo "saved $output"
