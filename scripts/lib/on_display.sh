#!/usr/bin/env bash
# Runs a command, in the caller's folder, on a virtual X server of its own
# (common.sh's start_display), which ends with it. Usage: on_display.sh <command>...
set -euo pipefail
caller=$PWD
source "$(dirname "$0")/common.sh"
cd "$caller"
start_display
"$@"
