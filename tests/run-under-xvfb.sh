#!/bin/sh
# Runs a test on its own virtual X display, where it can start real program
# windows and type into them; exit code 77 (skipped) without the tools.
for tool in xvfb-run xauth xdotool; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed (packages xvfb, xauth, xdotool)"
        exit 77
    fi
done
PENWICK_XVFB=1 exec xvfb-run -a -s "-screen 0 1920x1080x24" "$@"
