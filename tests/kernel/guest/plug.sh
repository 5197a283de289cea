# shellcheck shell=bash disable=SC2154
# The first two printers leave and rejoin the bus (the emulator's control FIFO) while the driver
# shows the check list, as the window does before a run: one alone three times, then both at
# once. NOBRIX_EVENTS is the event source the driver must be using: kernel (no udev daemon) or
# udev.
before=$failed
events=${NOBRIX_EVENTS:-kernel}
out=$work/watch-$events.out
"$NOBRIX_DRIVER" watch --seconds 90 > "$out" 2>&1 &
watcher=$!
a=$(serial_at 0) b=$(serial_at 1)
listed() { [[ $(last_list "$out") == *"[SN#:$1]"* ]]; }
unlisted() { ! listed "$1"; }

leaves_seen=0 leaves_judged=0 leaves_missed= joins_seen=0 joins=0 joins_missed=
# plug_step leave|join SERIAL...: tells the printers, then waits for the list to follow. A leave
# is judged only for a printer the list showed before it.
plug_step() {
  local action=$1 sn before_step; shift
  before_step=$(last_list "$out")
  for sn; do echo "$action" > "$(control "$sn")"; done
  for sn; do
    if [ "$action" = join ]; then
      joins=$((joins + 1))
      if wait_for 8 listed "$sn"; then joins_seen=$((joins_seen + 1)); else joins_missed+=" $sn"; fi
    elif [[ $before_step == *"[SN#:$sn]"* ]]; then
      leaves_judged=$((leaves_judged + 1))
      if wait_for 5 unlisted "$sn"; then leaves_seen=$((leaves_seen + 1)); else leaves_missed+=" $sn"; fi
    fi
  done
}

if wait_for 20 listed "$a" && listed "$b"; then
  [ "$(field "$out" HOTPLUG 3)" = "$events" ] ||
    note "the driver listens to '$(field "$out" HOTPLUG 3)' events, expected $events"
  for round in 1 2 3; do plug_step leave "$a"; plug_step join "$a"; done
  plug_step leave "$a" "$b"
  plug_step join "$a" "$b"
else
  note "the first list lacks $a or $b: '$(last_list "$out")'"
fi
kill "$watcher" 2>/dev/null
wait "$watcher" 2>/dev/null
setup=$why

[ "$leaves_judged" -gt 0 ] && [ "$leaves_seen" = "$leaves_judged" ] ||
  note "$leaves_seen of $leaves_judged unplugs shown (still listed:${leaves_missed:- none})"
verdict "unplug while the list is shown ($events events): $leaves_seen of $leaves_judged shown"
why=$setup
[ "$joins" -gt 0 ] && [ "$joins_seen" = "$joins" ] ||
  note "$joins_seen of $joins plugs shown (not listed 8 s after joining:${joins_missed:- none})"
verdict "plug while the list is shown ($events events): $joins_seen of $joins shown"
[ "$failed" = "$before" ] || show_output "$out"
