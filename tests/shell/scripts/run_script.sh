#!/usr/bin/env bash
# tests/shell/scripts/run_script.sh — plays one input file through the real game, headless, in a
# fresh game folder, then checks what the player would: the run ended well, nothing went to the
# error output or into the log as a failure, the last frame is a picture, and the files the
# script's windows write are there. Usage: run_script.sh BIN_DIR SCRIPT.input
#
# Lines of the script starting with "# run:" tell the runner what to do besides replaying:
#   # run: frames N                 how many frames the run lasts
#   # run: option KEY=VALUE         a line of the [Options] section of "options.cfg" at start
#   # run: open LINE                a saved game of this one plain line, encoded with
#                                   zerith-tool encode, given on the command line as FILE.sav
#   # run: resume LINE              the same left as the resume file of a game killed in play
#   # run: level ENTRY [SED]        the levels archive's ENTRY, changed by the sed expression,
#                                   given on the command line as a level file
#   # run: file PATH                PATH (under the game folder) exists afterwards
#   # run: no-file PATH             PATH does not exist afterwards
#   # run: text PATH TEXT           the file holds TEXT
#   # run: decoded PATH TEXT        the file, read through zerith-tool decode, holds TEXT
#   # run: log TEXT                 the log holds TEXT
#   # run: state KEY=VALUE          where the run ended (--end-state) holds this line
# PATH may start with "config/": the player's stored values folder.
set -euo pipefail
bin=$1
script=$2
name=$(basename "$script" .input)
root=$(mktemp -d "${TMPDIR:-/tmp}/zerith_script_${name}_XXXXXX")
trap '[ -n "${ZERITH_KEEP_SCRIPT_RUN:-}" ] || rm -rf "$root"' EXIT
fail() {
  echo "script $name: $*" >&2
  exit 1
}

for d in game levels lng; do ln -s "$bin/$d" "$root/$d"; done
frames=600
args=()
options=()
while read -r directive rest; do
  case "$directive" in
    frames) frames=$rest ;;
    option) options+=("$rest") ;;
    open)
      printf '%s\n' "$rest" >"$root/start.xml"
      "$bin/zerith-tool" encode "$root/start.xml" >"$root/start.sav" || fail "cannot encode $rest"
      args+=("$root/start.sav")
      ;;
    resume)
      mkdir -p "$root/saves"
      printf '%s\n' "$rest" >"$root/resume.xml"
      "$bin/zerith-tool" encode "$root/resume.xml" >"$root/saves/resume.state" ||
        fail "cannot encode $rest"
      ;;
    level)
      read -r entry edit <<<"$rest"
      "$bin/zerith-tool" extract "$bin/levels/levels.zxc" "$entry" | sed -e "${edit:-}" \
        >"$root/made.xml" || fail "cannot extract $entry"
      args+=("$root/made.xml")
      ;;
  esac
done < <(sed -n 's/^# run: //p' "$script")
if [ ${#options[@]} -gt 0 ]; then
  printf '[Options]\n' >"$root/options.cfg"
  printf '%s\n' "${options[@]}" >>"$root/options.cfg"
fi

export HOME=$root/home XDG_CONFIG_HOME=$root/config XDG_DATA_HOME=$root/data
status=0
"$bin/zerith" --headless --data "$root" --input "$script" --frames "$frames" ${ZERITH_SCRIPT_ARGS:-} \
  --screenshot "$root/last.png" --end-state "$root/end.txt" "${args[@]}" 2>"$root/stderr.txt" ||
  status=$?
[ "$status" -eq 0 ] || fail "the game ended with status $status: $(cat "$root/stderr.txt")"
[ ! -s "$root/stderr.txt" ] || fail "the game reported: $(cat "$root/stderr.txt")"
if grep -n -i -E 'error|cannot|failed|calls the handler' "$root/Zerith.log"; then
  fail "the log reports a problem"
fi
# A frame of the game's pictures packs to far more than a black or empty screen does.
shot_size=$(stat -c %s "$root/last.png")
[ "$shot_size" -gt 30000 ] || fail "the last frame looks empty ($shot_size bytes)"

while read -r directive path text; do
  case "$directive" in
    file) [ -e "$root/$path" ] || fail "no $path" ;;
    no-file) [ ! -e "$root/$path" ] || fail "$path should be gone" ;;
    text) grep -q -F -- "$text" "$root/$path" || fail "$path lacks \"$text\"" ;;
    decoded)
      "$bin/zerith-tool" decode "$root/$path" | grep -q -F -- "$text" ||
        fail "$path lacks \"$text\" once decoded"
      ;;
    log)
      grep -q -F -- "$path${text:+ $text}" "$root/Zerith.log" ||
        fail "the log lacks \"$path${text:+ $text}\""
      ;;
    state)
      grep -q -x -F -- "$path${text:+ $text}" "$root/end.txt" ||
        fail "the run ended with $(tr '\n' ' ' <"$root/end.txt"), not $path"
      ;;
  esac
done < <(sed -n 's/^# run: //p' "$script")
echo "script $name: passed"
