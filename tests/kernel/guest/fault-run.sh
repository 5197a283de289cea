# shellcheck shell=bash disable=SC2154
# Seven printers, faults among them, one run over all that are listed (a small image from
# NOBRIX_SMALL_BYTES keeps it quick). The printers are set up by scripts/test-kernel in this
# order; the seventh is beyond the six a listing holds.
image=$work/small.bin
head -c "$NOBRIX_SMALL_BYTES" /dev/urandom > "$image"
before=$failed
out=$work/fault-run.out
run_driver "$out" 420 update --all --image "$image"

read -r bytes crc < <(usbvm-printer --crc32 "$image")
[ "$bytes $crc" = "$(image_bytes "$out") $(image_crc "$out")" ] ||
  note "driver says $(image_bytes "$out") bytes, CRC-32 $(image_crc "$out"); emulator: $bytes, $crc"
verdict "image size and CRC-32 agree with the emulator's"

[ "$(field "$out" LIST 3 | head -n 1)" = 6 ] || note "check list: $(field "$out" LIST 4 | head -n 1)"
verdict "seven printers: six are listed"

# serial | final row | image received | a row shown on the way | commands received
while IFS='|' read -r sn final received earlier commands name; do
  if [ "$final" = absent ]; then
    [ -z "$(row_history "$out" "$sn")" ] || note "$sn has a row: $(row_history "$out" "$sn")"
  else
    expect_row "$out" "$sn" "$final" "$earlier"
  fi
  expect_image "$out" "$sn" "$received"
  [ "$commands" = yes ] || [ "$(printer "$sn" normal_bytes)" = 0 ] ||
    note "$sn was sent $(printer "$sn" normal_bytes) bytes in normal mode, expected none"
  verdict "$name"
done <<EOT
GOOD01|$T_COMPLETED|full||yes|a good printer among faulty ones is updated
NOSW01|$T_NOT_FOUND|none|$T_FLASH_FAIL|yes|a printer that never switches fails step 1
RFSE01|$T_NOT_FOUND|none|$T_FLASH_FAIL|no|a printer in a refusing state is sent no command
VANI01|$T_NOT_FOUND|partial|$T_SEND_FAIL|yes|a printer that vanishes mid-image fails step 2
STAL01|$T_NOT_FOUND|partial|$T_SEND_FAIL|yes|a printer that stops reading mid-image fails step 2
GOOD02|$T_COMPLETED|full||yes|a printer after the stalled one is updated
SEVN01|absent|none||no|the seventh printer takes no part
EOT

result=$(result_line "$out")
[ "$result" = "[2/6]  printers updated | $T_SOME_UPDATED" ] || note "result '${result:-none}'"
verdict "faults: the run ends [2/6]"
[ "$failed" = "$before" ] || show_output "$out"
