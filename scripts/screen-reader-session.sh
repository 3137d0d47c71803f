# Sourced after x-session.sh and accessibility-session.sh: starts a window manager, a
# speech server whose one voice writes each utterance as a line to a log, and the Orca
# screen reader, all of the session's own; provides await_speech, press and the log, $speech.
# Everything started ends with the session.

mkdir -p "$x_session_work/reader-home" "$x_session_work/speechd/modules"
speech=$x_session_work/speech.log
: >"$speech"

# The window manager gives the window the focus and tells the reader which window is active.
HOME=$x_session_work/reader-home xfwm4 --compositor=off >/dev/null 2>&1 &
x_session_pids+=($!)

cat >"$x_session_work/speechd/speechd.conf" <<EOF
LogDir "$x_session_work"
AddModule "log" "sd_generic" "log.conf"
DefaultModule log
AudioOutputMethod "libao"
EOF
cat >"$x_session_work/speechd/modules/log.conf" <<EOF
GenericExecuteSynth "printf '%s\\\\n' \\'\$DATA\\' >>$speech"
EOF
# The voice logs a language as UTF-8 only where it declares it, else Cyrillic as "???":
# English, Bulgarian, and the language of Orca's locale, which Orca 48 asks for, in lower
# case ("c" in the C locale). The charset is spelled "UTF8", not "utf-8": speech-dispatcher
# 0.12 gives the voice junk for a typed character that it need not recode, and any other
# name of UTF-8 has it recode the text first.
reader_language=${LC_ALL:-${LC_MESSAGES:-${LANG:-C}}}
reader_language=${reader_language%%[_.@]*}
reader_languages=$(printf '%s\n' en bg "${reader_language,,}" | awk '!seen[$0]++')
for language in $reader_languages; do
  printf 'GenericLanguage "%s" "%s" "UTF8"\nAddVoice "%s" "MALE1" "%s"\n' \
    "$language" "$language" "$language" "$language" >>"$x_session_work/speechd/modules/log.conf"
done
# The server opens a sound output even for a voice that plays nothing: libao's null one.
echo default_driver=null >"$x_session_work/reader-home/.libao"
HOME=$x_session_work/reader-home speech-dispatcher --run-single --timeout 0 \
  --config-dir "$x_session_work/speechd" --socket-path "$x_session_work/speechd.sock" \
  --log-dir "$x_session_work" >/dev/null 2>&1 &
x_session_pids+=($!)
await test -S "$x_session_work/speechd.sock" || fail "the speech server did not start"
export SPEECHD_ADDRESS=unix_socket:$x_session_work/speechd.sock

HOME=$x_session_work/reader-home orca >"$x_session_work/orca.log" 2>&1 &
x_session_pids+=($!)

# Whether a line of the log after the given one matches.
heard() {  # pattern, after line
  tail -n "+$(($2 + 1))" "$speech" | grep -q -- "$1"
}

# Waits until a line of the log after the given one matches; fails with what was said.
await_speech() {  # pattern, after line, seconds
  for _ in $(seq $((${3:-10} * 10))); do
    heard "$1" "$2" && return 0
    sleep 0.1
  done
  fail "Orca did not say $1; it said: $(tail -n "+$(($2 + 1))" "$speech" | tr '\n' '|')"
}

# Presses a key again and again, up to the given number of times, until Orca says what
# matches after it; fails with all that was said.
press_until() {  # key, pattern, times
  local before
  for _ in $(seq "$3"); do
    before=$(spoken)
    xdotool key "$1"
    for _ in $(seq 15); do
      heard "$2" "$before" && return 0
      sleep 0.1
    done
  done
  fail "Orca did not say $2 after $1, $3 times; it said: $(tr '\n' '|' <"$speech")"
}

# How many lines Orca has said so far.
spoken() { wc -l <"$speech"; }

# Presses a key, or types the text after "type ", and waits for what Orca must say next;
# counts each in $passed.
passed=0
press() {  # key or text, what Orca must say next
  local before
  before=$(spoken)
  if [ "${1#type }" != "$1" ]; then xdotool type "${1#type }"; else xdotool key "$1"; fi
  await_speech "$2" "$before"
  passed=$((passed + 1))
}

await_speech 'Screen reader on' 0 60
