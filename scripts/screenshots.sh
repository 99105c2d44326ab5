#!/usr/bin/env bash
# Takes the manual's pictures again. The Case Study of the manual is the end-to-end script
# tests/uidrive/whole_road.qxs, continued by scripts/manual/more_screens.qxs (duplicate, sent
# revisions, a supplier's price list, coverage, roof plan and material order, sales, backup and restore,
# the Office tab); this runs both under a virtual X server with the real window system, and their
# "shot" steps write their pictures into resources/help/images/. Run it after a change to a screen the
# manual shows, then look at the pictures and commit them.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja > /dev/null
cmake --build build --target uidrive qxplanfixture
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
shots="$PWD/resources/help/images"
mkdir -p "$shots"

# One run of both scripts, inside a mount namespace of its own whose /home is an empty tmpfs: the
# pictures show the home folder of a user named roofer (program folder ~/Quorvex, backups in
# ~/Documents), and whatever the program writes there (the backup made when it closes) goes with the
# namespace instead of into the machine's home folders. The clock reads 2 March 2026, 9 a.m., the day
# the Case Study's estimate is made, so that every date on the pictures belongs to the same story.
cat > "$work/run.sh" <<'EOF'
set -euo pipefail
mount -t tmpfs none /home
export HOME=/home/roofer XDG_CONFIG_HOME=/home/roofer/.config
mkdir -p "$HOME/Quorvex" "$XDG_CONFIG_HOME" "$HOME/Documents"
"$PLANFIXTURE" "$HOME/hip_roof.png"
cp scripts/manual/gallatin_spring_prices.csv "$HOME/"
run() {
    FAKETIME_DONT_FAKE_MONOTONIC=1 faketime -f '@2026-03-02 09:00:00' \
        "$UIDRIVE" --program-folder "$HOME/Quorvex" "$1"
}
run tests/uidrive/whole_road.qxs
run scripts/manual/more_screens.qxs
EOF

# The X server answers in its own time, so now and then a step finds a window not laid out yet: such a
# run is made again from a fresh program folder.
for _ in 1 2 3; do
    if UIDRIVE="$PWD/build/tools/uidrive/uidrive" PLANFIXTURE="$PWD/build/tools/planfixture/qxplanfixture" \
        UIDRIVE_SHOTS="$shots" QT_QPA_PLATFORM=xcb LC_ALL=en_US.UTF-8 \
        xvfb-run -a -s "-screen 0 1280x1024x24" \
        unshare --mount --map-root-user bash "$work/run.sh" > "$work/run.txt"; then
        ls -l "$shots"
        exit 0
    fi
    grep '^error:' "$work/run.txt" >&2 || tail -n 5 "$work/run.txt" >&2
done
exit 1
