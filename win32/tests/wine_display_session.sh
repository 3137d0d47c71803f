# Sourced by the tests that drive the Windows program as a user would: a private X server
# and a Wine prefix of their own (see x-session.sh and wine-session.sh), both ended, and
# the prefix removed, when the test ends.
here=$(dirname "${BASH_SOURCE[0]}")
source "$here/../../scripts/x-session.sh"
source "$here/../../scripts/wine-session.sh"
trap 'wine_session_stop; x_session_cleanup' EXIT
