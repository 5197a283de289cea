# shellcheck shell=bash disable=SC2154,SC2034
# Helpers of the guest-side checks (sourced by run.sh): running the driver, reading its records
# and the emulated printers' status files, and one PASS/FAIL line per case.
# Record lines of the driver: TAG <tab> seconds <tab> fields... (see tests/kernel/console_view.cpp).

# The English texts the run must show (l10n/translations/NobrixVUZ.EN.ts).
T_COMPLETED='Firmware update: completed'
T_NOT_FOUND='Error: Printer not found!'
T_FLASH_FAIL='ERROR: Failed to set flash mode'
T_SEND_FAIL='Error: Flashing timeout!'
T_ALL_UPDATED='All selected printers have been updated.Updated printers would be OFF.'
T_SOME_UPDATED='ERROR:Failed to update some printers! / Please check status for each printer. / Updated printers would be OFF.'

passed=0 failed=0 why=

# A case's verdict: PASS when nothing was noted against it since the last verdict.
verdict() {
  if [ -z "$why" ]; then
    echo "PASS $1"; passed=$((passed + 1))
  else
    echo "FAIL $1: ${why#; }"; failed=$((failed + 1))
  fi
  why=
}
note() { why="$why; $*"; }

# run_driver OUT SECONDS ARGS...: the driver's records in OUT; a hang is noted, not waited for.
run_driver() {
  local out=$1 limit=$2 rc; shift 2
  timeout -k 5 "$limit" "$NOBRIX_DRIVER" "$@" > "$out" 2> "$out.err"; rc=$?
  [ "$rc" = 124 ] && note "driver $1 did not end within ${limit} s"
  [ "$rc" != 0 ] && [ "$rc" != 124 ] && note "driver $1 exited $rc: $(head -c 300 "$out.err")"
  return 0
}

# Shows a driver's output under a failed case, so the log says what the program did.
show_output() { sed 's/^/    | /' "$1"; }

field() { awk -F'\t' -v tag="$2" -v n="$3" '$1 == tag { print $n }' "$1"; }   # field OUT TAG N
last_list() {
  local tag entries last=
  while IFS=$'\t' read -r tag _ _ entries; do [ "$tag" = LIST ] && last=$entries; done < "$1"
  printf '%s' "$last"
}
image_bytes() { field "$1" IMAGE 3 | head -n 1; }
image_crc() { field "$1" IMAGE 4 | head -n 1; }
final_text() { awk -F'\t' -v sn="$2" '$1 == "FINAL" && $3 == sn { print $4 }' "$1"; }
row_history() { awk -F'\t' -v sn="$2" '$1 == "ROW" && $4 == sn { printf "%s > ", $5 }' "$1"; }
result_line() { awk -F'\t' '$1 == "RESULT" { print $3 " | " $4 }' "$1"; }
diagnosis() { field "$1" DIAGNOSIS 3; }

# printer SERIAL KEY: a value from the emulated printer's status file.
printer() {
  local file
  file=$(awk -F'\t' -v sn="$1" '$2 == sn { print $3 }' "$USBVM_STATE/printers.tsv")
  [ -n "$file" ] && sed -n "s/^$2=//p" "$file"
}
serial_at() { awk -F'\t' -v i="$1" '$1 == i { print $2 }' "$USBVM_STATE/printers.tsv"; }
control() { awk -F'\t' -v sn="$1" '$2 == sn { print $4 }' "$USBVM_STATE/printers.tsv"; }

# expect_image OUT SERIAL full|partial|none: what the printer received of the driver's image.
expect_image() {
  local bytes crc size
  bytes=$(printer "$2" flash_bytes) crc=$(printer "$2" flash_crc32) size=$(image_bytes "$1")
  case $3 in
    full) [ "$bytes" = "$size" ] && [ "$crc" = "$(image_crc "$1")" ] ||
            note "$2 received $bytes bytes, CRC-32 $crc; the image is $size bytes, CRC-32 $(image_crc "$1")" ;;
    partial) [ "${bytes:-0}" -gt 0 ] && [ "${bytes:-0}" -lt "${size:-0}" ] ||
               note "$2 received $bytes of $size bytes, expected part of the image" ;;
    none) [ "${bytes:-0}" = 0 ] || note "$2 received $bytes image bytes, expected none" ;;
  esac
}

# expect_row OUT SERIAL TEXT [EARLIER]: the final row text, and a text the row showed before.
expect_row() {
  local final history
  final=$(final_text "$1" "$2") history=$(row_history "$1" "$2")
  [ "$final" = "$3" ] || note "$2 ends '${final:-no row}', expected '$3' (rows: ${history:-none})"
  [ -z "${4:-}" ] || [[ $history == *"$4 > "* ]] || note "$2 never showed '$4' (rows: ${history:-none})"
}

# Every process started costs about 0.1 s in the emulated machine, so waits and polls stay in
# bash: a read with a time-out on a FIFO nobody writes sleeps without a process.
mkfifo "$work/nap" && exec 9<> "$work/nap"
nap() { read -r -t "$1" -u 9 || true; }

# wait_for SECONDS COMMAND...: true as soon as COMMAND succeeds.
wait_for() {
  local end=$((SECONDS + $1)); shift
  until "$@"; do
    ((SECONDS < end)) || return 1
    nap 0.1
  done
}
