# Sourced first, with the script's own arguments, by a test that starts the Orca screen
# reader. Orca runs once per user: it quits when pgrep finds another Orca of the same
# user. So the test runs again in a process space of its own (a PID namespace with its own
# /proc), where it finds no Orca but its own, whatever runs beside it for the same user;
# and all that runs in that space ends when the test does, whichever way it ends.
if [ "$$" -ne 1 ]; then
  own_user=()
  [ "$(id -u)" -eq 0 ] || own_user=(--map-current-user)
  exec unshare "${own_user[@]}" --pid --mount-proc --kill-child -- "$0" "$@"
fi
