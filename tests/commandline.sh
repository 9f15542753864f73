#!/bin/sh
# commandline.sh PROGRAM NAME VERSION: the program answers --help and
# --version with no display, and an unknown option gives the usage on
# standard error and exit code 2.
set -u
program="$1"
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@"; }
failed=0
t="$(mktemp -d)"
trap 'rm -rf "$t"' EXIT

[ "$(run --version)" = "$2 $3" ] || { echo "--version does not print \"$2 $3\""; failed=1; }
run --help >"$t/out" 2>"$t/err" || { echo "--help did not exit 0"; failed=1; }
grep -q usage "$t/out" && [ ! -s "$t/err" ] || { echo "--help printed no usage on standard output"; failed=1; }
run --no-such-option >"$t/out" 2>"$t/err"
code=$?
[ "$code" -eq 2 ] || { echo "--no-such-option exited $code, not 2"; failed=1; }
[ ! -s "$t/out" ] && grep -q usage "$t/err" || { echo "--no-such-option: no usage on standard error alone"; failed=1; }
# The editor refuses a file name that would not come back byte for byte
# (and would open another file), before it needs a display.
if [ "$2" = quorled ]; then
    run "$(printf 'bad\377.nes')" >"$t/out" 2>"$t/err"
    code=$?
    [ "$code" -eq 2 ] && grep -q 'bad\\xFF.nes' "$t/err" || { echo "a name that is not UTF-8 was not refused (exit $code)"; failed=1; }
fi
exit "$failed"
