#!/usr/bin/env bash
# Screenshots of the running program under Xvfb (needs twm and xdotool):
#   cd data/run && xvfb-run -a -s "-screen 0 1366x768x24" bash ../../scripts/screenshot-main.sh
twm >/dev/null 2>&1 &
sleep 0.5
../../build/zelkor &
sleep 5
xdotool mousemove 437 380 click 1
sleep 1.5
xwd -root -silent | convert xwd:- /tmp/sel.png
xdotool key Return
sleep 1
xwd -root -silent | convert xwd:- /tmp/main2.png
kill %2 %1
