# shellcheck shell=bash disable=SC2154
# The bad days of NobrixVUZ-cli on the real driver, each on its own printers (scripts/test-kernel
# sets them up): a run killed mid-image and the printer finished by the next run, a hang-up
# mid-image, two runs started together, twins whose first never switches, and update --all with a
# printer another program holds.
mkdir -p /run/lock  # where a Debian system keeps the update lock
export NOBRIX_HISTORY=$work/history.sqlite
image=$work/recovery-image.out
"$NOBRIX_DRIVER" image > "$image"
# The twins and the printer another program holds wait off the bus until their cases.
control_at() { awk -F'\t' -v i="$1" '$1 == i { print $4 }' "$USBVM_STATE/printers.tsv"; }
for i in 4 5 6 7; do echo leave > "$(control_at $i)"; done

# status_at INDEX KEY: a value from the status file of the printer set up INDEX-th (twins share
# a serial number, so they are told apart by their place).
status_at() {
  local file; file=$(awk -F'\t' -v i="$1" '$1 == i { print $3 }' "$USBVM_STATE/printers.tsv")
  sed -n "s/^$2=//p" "$file"
}
sending() { [ "$(printer "$1" flash_bytes)" -gt 0 ] 2>/dev/null; }
# cli OUT ARGS...: NobrixVUZ-cli in the background; its pid in $cli_pid (waited for in this
# shell, never in a command substitution's subshell, which cannot wait for it).
cli() { local out=$1; shift; "$NOBRIX_CLI" "$@" --lang en > "$out" 2> "$out.err" & cli_pid=$!; }

before=$failed
out=$work/killed.out
cli "$out" update --serial KILL01
wait_for 120 sending KILL01 || note "KILL01 was never sent the image"
kill -KILL "$cli_pid"; wait "$cli_pid" 2>/dev/null
expect_image "$image" KILL01 partial
# Switched off and on, the printer starts its loader again and waits for a whole image.
echo flash > "$(control KILL01)"
wait_for 30 lpid -f 'MDL:reflash;SN:KILL01;' -t 1 > /dev/null || note "KILL01 did not return in flash mode"
out=$work/recovered.out
timeout -k 5 300 "$NOBRIX_CLI" list --json > "$out.list" 2>&1
grep -q '"modelKnown": true' "$out.list" || note "list: $(tr -d '\n ' < "$out.list" | head -c 300)"
rc=0
timeout -k 5 300 "$NOBRIX_CLI" update --serial KILL01 --json --lang en > "$out" 2> "$out.err" || rc=$?
[ "$rc" = 0 ] || note "the recovering run exited $rc: $(head -c 300 "$out.err")"
grep -q '^\[1/1\]  printers updated' "$out.err" || note "no [1/1] result: $(head -c 300 "$out.err")"
expect_image "$image" KILL01 full
verdict "a printer whose run was killed mid-image is listed, known from the history, and finished"
[ "$failed" = "$before" ] || { show_output "$out.list"; show_output "$out"; show_output "$out.err"; }

before=$failed
out=$work/hangup.out
cli "$out" update --serial HUP001 --serial HUP002
wait_for 120 sending HUP001 || note "HUP001 was never sent the image"
kill -HUP "$cli_pid"
rc=0
wait "$cli_pid" || rc=$?
[ "$rc" = 0 ] || note "after a hang-up the run exited $rc: $(head -c 300 "$out.err")"
expect_image "$image" HUP001 full
expect_image "$image" HUP002 full
verdict "a hang-up mid-image ends nothing: both printers updated, exit 0"
[ "$failed" = "$before" ] || show_output "$out.err"

before=$failed
cli "$work/first.out" update --serial LOCK01
first=$cli_pid
cli "$work/second.out" update --serial LOCK01
second=$cli_pid
rc=0 rc2=0
wait "$first" || rc=$?
wait "$second" || rc2=$?
codes="$rc $rc2"
[ "$codes" = "0 6" ] || [ "$codes" = "6 0" ] || note "exit statuses $codes, expected 0 and 6"
grep -qh 'Another update run is under way (NobrixVUZ-cli, user root, process' \
  "$work/first.out.err" "$work/second.out.err" || note "the refused run does not name the holder"
for sn in LOCK01; do
  expect_image "$image" "$sn" full
  [ "$(printer "$sn" flash_bytes)" = "$(image_bytes "$image")" ] ||
    note "$sn took $(printer "$sn" flash_bytes) bytes"
done
verdict "two runs started together: one updates the printer once, the other is refused"
[ "$failed" = "$before" ] || { show_output "$work/first.out.err"; show_output "$work/second.out.err"; }

before=$failed
for i in 4 5 6; do echo join > "$(control_at $i)"; done
twins_back() { [ "$(lpid -a 2>/dev/null | grep -c 'SN:TWIN01;')" = 3 ]; }
wait_for 30 twins_back || note "the twins did not all join"
out=$work/twins.out
rc=0
timeout -k 5 400 "$NOBRIX_CLI" update --serial TWIN01 --json --lang en > "$out" 2> "$out.err" || rc=$?
[ "$rc" = 1 ] || note "the twins' run exited $rc"
grep -q '^\[2/3\]  printers updated' "$out.err" || note "no [2/3] result: $(head -c 300 "$out.err")"
[ "$(status_at 4 flash_bytes)" = 0 ] || note "the twin that never switched took $(status_at 4 flash_bytes) bytes"
for i in 5 6; do
  [ "$(status_at $i flash_bytes)" = "$(image_bytes "$image")" ] &&
    [ "$(status_at $i flash_crc32)" = "$(image_crc "$image")" ] ||
    note "twin $i took $(status_at $i flash_bytes) bytes, CRC-32 $(status_at $i flash_crc32)"
done
verdict "twins whose first never switches: the two that did are each sent the image once"
[ "$failed" = "$before" ] || { show_output "$out"; show_output "$out.err"; }

# update --all with a printer of the product that another program holds: it is not updated, and
# says so (exit 1, the reason and the holder in the JSON). The twin left in normal mode goes first.
before=$failed
echo leave > "$(control_at 4)"
echo join > "$(control_at 7)"
wait_for 30 lpid -f 'SN:UNUS01;' -t 1 > /dev/null || note "UNUS01 did not join"
node=$(lpid -f 'SN:UNUS01;' -t 5)
sleep 300 > "$node" &
holder=$!
out=$work/unusable.out
rc=0
timeout -k 5 120 "$NOBRIX_CLI" update --all --json --lang en > "$out" 2> "$out.err" || rc=$?
kill "$holder"; wait "$holder" 2>/dev/null
[ "$rc" = 1 ] || note "update --all with a held printer exited $rc"
tr -d ' \n' < "$out" | grep -q '"reason":"busy"' || note "no busy reason in the JSON"
tr -d ' \n' < "$out" | grep -q '"serial":"UNUS01"' || note "UNUS01 is not in the JSON"
verdict "update --all: a printer another program holds is not updated, with its reason (exit 1)"
[ "$failed" = "$before" ] || { show_output "$out"; show_output "$out.err"; }
