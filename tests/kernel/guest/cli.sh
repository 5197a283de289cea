# shellcheck shell=bash disable=SC2154
# NobrixVUZ-cli updates every printer attached (run-in-vm -n 2, idle again after plug.sh) with the
# built-in image: exit 0, each printer received the whole image with the right CRC-32, and the
# piped output has a stamped line with each printer's completed row.
before=$failed
out=$work/cli.out
rc=0
timeout -k 5 300 "$NOBRIX_CLI" update --all --lang en > "$out" 2> "$out.err" || rc=$?
[ "$rc" = 0 ] || note "NobrixVUZ-cli update --all exited $rc: $(head -c 300 "$out.err")"
image=$work/cli-image.out
"$NOBRIX_DRIVER" image > "$image"
for i in 0 1; do
  sn=$(serial_at $i)
  expect_image "$image" "$sn" full
  grep -Eq "^[0-9T:-]+  $sn  $T_COMPLETED\$" "$out" || note "$sn has no stamped completed line"
done
grep -q '^\[2/2\]  printers updated' "$out.err" || note "no [2/2] result on standard error"
verdict "NobrixVUZ-cli update --all: both printers updated with the built-in image, exit 0"
[ "$failed" = "$before" ] || { show_output "$out"; show_output "$out.err"; }
