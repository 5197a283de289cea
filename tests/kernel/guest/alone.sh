# shellcheck shell=bash disable=SC2154
# Printers updated alone (a small image of NOBRIX_SMALL_BYTES), so that no other printer frees a
# node meanwhile: a printer that rejoins in normal mode after the image then comes back at the
# very node it had in flash mode. And a printer whose ID length counts only the text, which
# reads its ID two characters short through the printer driver.
image=$work/small.bin
head -c "$NOBRIX_SMALL_BYTES" /dev/urandom > "$image"
while IFS='|' read -r sn name; do
  before=$failed
  out=$work/alone-$sn.out
  run_driver "$out" 120 update --serial "$sn" --image "$image"
  expect_row "$out" "$sn" "$T_COMPLETED"
  expect_image "$out" "$sn" full
  result=$(result_line "$out")
  [ "$result" = "[1/1]  printers updated | $T_ALL_UPDATED" ] || note "result '${result:-none}'"
  verdict "$name"
  [ "$failed" = "$before" ] || show_output "$out"
done <<EOT
RJON01|a printer that rejoins in normal mode after the image is updated
QRK001|a printer whose ID length counts only the text is updated
EOT
