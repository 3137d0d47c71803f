#!/usr/bin/env bash
# Runs a Windows program under Wine (through the given runner) with a private X server of
# its own, which ends with it. The server has no window manager, so Wine frames the windows.
set -euo pipefail
source "$(dirname "$0")/../../scripts/x-session.sh"
export WINE_RUN_UNMANAGED=1
"$@"
