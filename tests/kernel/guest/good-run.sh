# shellcheck shell=bash disable=SC2154
# Three good printers with the emulator's default switch timing (on the bus 0.5 s after the
# command, away 0.3 s, back at the same node) take the built-in image. Printers: run-in-vm -n 3.
before=$failed
out=$work/good-run.out
run_driver "$out" 300 update --all

serials=$(for i in 0 1 2; do serial_at $i; done)
list=$(field "$out" LIST 4 | head -n 1)
for sn in $serials; do
  [[ $list == *"SALVENOR LRX5303[SN#:$sn]"* ]] || note "$sn not in the check list '$list'"
done
[ "$(field "$out" LIST 3 | head -n 1)" = 3 ] || note "check list '$list', expected 3 entries"
verdict "default timing: the three printers are listed"

for sn in $serials; do
  expect_row "$out" "$sn" "$T_COMPLETED"
  expect_image "$out" "$sn" full
  verdict "default timing: $sn updated with the built-in image, CRC-32 equal"
done

result=$(result_line "$out")
[ "$result" = "[3/3]  printers updated | $T_ALL_UPDATED" ] || note "result '${result:-none}'"
verdict "default timing: the run ends [3/3]"
[ "$failed" = "$before" ] || show_output "$out"
