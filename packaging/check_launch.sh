#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch prefix and starts the window program as a desktop menu would:
# the Exec line of the installed desktop entry, with the prefix's bin/ on the PATH, under a
# virtual display, with an empty data home. Passes when the user's data folder has been made from
# the shipped files and the main window ("Tevardin  <year>") is on the display.
#
#   check_launch.sh BUILD_DIR APP_ID SCRATCH_DIR
set -euo pipefail
build=$1 app_id=$2 scratch=$3

rm -rf "$scratch"
mkdir -p "$scratch/home" "$scratch/data-home"
cmake --install "$build" --prefix "$scratch/prefix" >/dev/null

entry="$scratch/prefix/share/applications/$app_id.desktop"
exec_line=$(sed -n 's/^Exec=//p' "$entry" | head -n 1)
# Field codes (%f, %U, ...) stand for the files a menu hands over; a plain start has none.
command=$(printf '%s' "$exec_line" | sed 's/ *%[fFuUdDnNickvm]//g')
[ -n "$command" ] || { echo "no Exec line in $entry" >&2; exit 1; }

export PATH="$scratch/prefix/bin:$PATH" HOME="$scratch/home" XDG_DATA_HOME="$scratch/data-home"
export TEVARDIN_LAUNCH_COMMAND="$command" TEVARDIN_LAUNCH_FOLDER="$scratch/data-home/tevardin"
unset QT_QPA_PLATFORM

# A screen as large as the designed layout, so that no small-screen warning stands in the way.
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    $TEVARDIN_LAUNCH_COMMAND > "$HOME/program.log" 2>&1 &
    program=$!
    found=no
    for _ in $(seq 1 150); do
        if [ -f "$TEVARDIN_LAUNCH_FOLDER/Tevardin.ini" ] &&
           xwininfo -root -tree 2>/dev/null | grep -q "\"Tevardin  [0-9]"; then
            found=yes
            break
        fi
        kill -0 "$program" 2>/dev/null || break
        sleep 0.2
    done
    xwininfo -root -tree 2>/dev/null | grep "\"Tevardin" || true
    kill "$program" 2>/dev/null || true
    wait "$program" 2>/dev/null || true
    if [ "$found" != yes ]; then
        echo "the data folder or the main window did not appear; the program said:" >&2
        cat "$HOME/program.log" >&2
        ls -la "$TEVARDIN_LAUNCH_FOLDER" >&2 || true
        exit 1
    fi
    echo "data folder made:"; ls "$TEVARDIN_LAUNCH_FOLDER"
'
