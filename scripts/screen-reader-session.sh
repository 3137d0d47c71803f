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
await test -S "$x_session_work/speechd.sock" ||
  fail "speech-dispatcher failed, not the program: its server did not start"
export SPEECHD_ADDRESS=unix_socket:$x_session_work/speechd.sock

# Whether a line of the log after the given one matches.
heard() {  # pattern, after line
  tail -n "+$(($2 + 1))" "$speech" | grep -q -- "$1"
}

# Whether a line of the log after the given one is the given text, within the seconds given.
await_line() {  # text, after line, seconds
  local deadline=$((SECONDS + $3))
  until tail -n "+$(($2 + 1))" "$speech" | grep -qxF -- "$1"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.1
  done
}

# What was said after the given line, on one line.
said_since() {  # line
  tail -n "+$(($1 + 1))" "$speech" | tr '\n' '|'
}

# The last lines Orca wrote to its output, on one line.
orca_output() { tail -n 3 "$x_session_work/orca.log" | tr '\n' '|'; }

# Fails, naming what failed when Orca did not say what it should have: Orca or the speech
# server, where either no longer works; else the program, which gave Orca nothing to say.
fail_unsaid() {  # what Orca did not say, after line
  local said
  said=$(said_since "$2")
  kill -0 "$orca_pid" 2>/dev/null ||
    fail "Orca failed, not the program: it quit before it said $1; it said: $said;" \
      "its output: $(orca_output)"
  speech_works || fail "speech-dispatcher failed, not the program: its voice no longer logs" \
    "what it is asked to say; Orca did not say $1 and said: $said"
  fail "the program failed (Orca and the speech server work): Orca did not say $1; it said: $said"
}

# Waits until a line of the log after the given one matches; fails with what was said.
await_speech() {  # pattern, after line, seconds
  local deadline=$((SECONDS + ${3:-10}))
  until heard "$1" "$2"; do
    ((SECONDS < deadline)) || fail_unsaid "$1" "$2"
    sleep 0.1
  done
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
  fail_unsaid "$2 after $1 ($3 times)" 0
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

# Whether Orca has asked the accessibility bus for the events it speaks a window or a page
# from: Orca 48 says it is on before it asks, and a program that starts in between sends
# Orca nothing of its first focus.
orca_listens() {
  local events
  events=$(dbus-send --bus="$a11y_bus" --print-reply --dest=org.a11y.atspi.Registry \
    /org/a11y/atspi/registry org.a11y.atspi.Registry.GetRegisteredEvents) || return 1
  for event in Window:Activate: Object:StateChanged:Focused Object:StateChanged:Showing \
    Object:StateChanged:Checked Object:StateChanged:Selected Object:TextChanged:Insert \
    Object:ChildrenChanged:Add Object:PropertyChange:AccessibleName; do
    grep -qF "\"$event\"" <<<"$events" || return 1
  done
}

# Whether the speech server logs a Bulgarian text and a character, which is how Orca
# speaks a typed key, each whole and within a few seconds.
speech_works() {
  local before
  before=$(spoken)
  timeout 10 spd-say -w -l bg -c ж >/dev/null 2>&1 &&
    timeout 10 spd-say -w -l bg 'Проба на гласа' >/dev/null 2>&1 &&
    await_line 'ж' "$before" 5 && await_line 'Проба на гласа' "$before" 5
}

speech_works || fail "speech-dispatcher failed, not the program: asked to say \"ж\" and" \
  "\"Проба на гласа\", its voice logged: $(said_since 0)"

HOME=$x_session_work/reader-home orca >"$x_session_work/orca.log" 2>&1 &
orca_pid=$!
x_session_pids+=("$orca_pid")

before=$(spoken)
deadline=$((SECONDS + 60))
until heard 'Screen reader on' "$before"; do
  { kill -0 "$orca_pid" 2>/dev/null && ((SECONDS < deadline)); } ||
    fail "Orca failed, not the program: it did not say it is on within a minute; it said:" \
      "$(said_since "$before"); its output: $(orca_output)"
  sleep 0.1
done
a11y_bus=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
  org.a11y.Bus.GetAddress) || fail "the accessibility bus has no address"
a11y_bus=${a11y_bus##* }
await orca_listens || fail "Orca failed, not the program: it did not listen for events"
