#!/usr/bin/env bash
# Takes the manual's pictures again. The Case Study of the manual is the end-to-end script
# tests/uidrive/whole_road.qxs; this runs it under a virtual X server with the real window system, and
# its "shot" steps write their pictures into resources/help/images/. Run it after a change to a screen
# the manual shows, then look at the pictures and commit them.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja > /dev/null
cmake --build build --target uidrive
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
shots="$PWD/resources/help/images"
mkdir -p "$shots"
# The pictures show a home folder of a user named roofer, whatever the machine's is (the program never
# writes there during the run).
# The X server answers in its own time, so now and then a step finds a window not laid out yet: such a
# run is made again from a fresh program folder.
for _ in 1 2 3; do
    rm -rf "$work/program" "$work/config"
    mkdir -p "$work/program" "$work/config"
    if HOME=/home/roofer XDG_CONFIG_HOME="$work/config" UIDRIVE_SHOTS="$shots" QT_QPA_PLATFORM=xcb LC_ALL=en_US.UTF-8 \
        xvfb-run -a -s "-screen 0 1280x1024x24" \
        build/tools/uidrive/uidrive --program-folder "$work/program" tests/uidrive/whole_road.qxs > "$work/run.txt"; then
        ls -l "$shots"
        exit 0
    fi
    grep '^error:' "$work/run.txt" >&2
done
exit 1
