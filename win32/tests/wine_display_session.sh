# Sourced by the tests that run the Windows program as a user would: a private X server and
# a fresh Wine prefix (WINEPREFIX), both started here and both stopped as the test ends.
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/x-session.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-session.sh"
trap 'wine_session_stop; x_session_cleanup' EXIT
wine_session_start
