# shellcheck shell=bash disable=SC2154,SC2016
# Printers the user may not use: one held open by another program (HELD01), and all of them for a
# user without rights.
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
while IFS=$'\t' read -r _ sn _; do expect_diagnosis "$out" "$sn"; done < "$USBVM_STATE/printers.tsv"
verdict "a user without rights is told which printers and why"
[ "$failed" = "$before" ] || show_output "$out"
