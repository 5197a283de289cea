# shellcheck shell=bash disable=SC2154
# Printers the user may not use: one held open by another program, all of them for a user
# without rights; and a printer whose device ID length counts only the text. Printers:
# HELD01, QRK001 (--id-len-excludes-prefix, takes NOBRIX_SMALL_BYTES) and two more.
before=$failed

# expect_diagnosis OUT SERIAL [WORD]: a diagnosis line names the printer (and WORD).
expect_diagnosis() {
  local lines; lines=$(diagnosis "$1")
  grep -F -- "$2" <<< "$lines" | grep -qF -- "${3:-$2}" ||
    note "no diagnosis line names $2${3:+ and '$3'} (diagnosis: '${lines//$'\n'/ / }')"
}

out=$work/held.out
node=$(lpid -f 'SN:HELD01;' -t 5)
sleep 120 > "$node" &
holder=$!
run_driver "$out" 60 list
kill "$holder"; wait "$holder" 2>/dev/null
expect_diagnosis "$out" HELD01 sleep
verdict "a node held by another program is diagnosed with the holder's name"
[ "$failed" = "$before" ] || show_output "$out"

before=$failed
out=$work/no-rights.out
timeout 60 setpriv --reuid=65534 --regid=65534 --clear-groups "$NOBRIX_DRIVER" list > "$out" 2>&1
for i in 0 1 2 3; do expect_diagnosis "$out" "$(serial_at $i)"; done
verdict "a user without rights is told which printers and why"
[ "$failed" = "$before" ] || show_output "$out"

before=$failed
image=$work/small.bin
head -c "$NOBRIX_SMALL_BYTES" /dev/urandom > "$image"
out=$work/quirk.out
run_driver "$out" 120 update --serial QRK001 --image "$image"
expect_row "$out" QRK001 "$T_COMPLETED"
expect_image "$out" QRK001 full
result=$(result_line "$out")
[ "$result" = "[1/1]  printers updated | $T_ALL_UPDATED" ] || note "result '${result:-none}'"
verdict "a printer whose ID length counts only the text is updated"
[ "$failed" = "$before" ] || show_output "$out"
