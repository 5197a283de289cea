#!/usr/bin/env bash
# Usage: own_platform_only.sh PROGRAM real|sim [PROGRAM real|sim ...]
# A program for real printers must hold nothing of the simulated bus; a simulated program nothing
# of the Linux backend, no udev call and no libudev among its needed libraries.
set -u
failed=0
fail() { echo "FAIL: $*"; failed=1; }
while [ $# -ge 2 ]; do
  program=$1 kind=$2
  shift 2
  symbols=$(nm -C "$program")
  if [ "$kind" = real ]; then
    n=$(grep -c 'nobrix::platform::sim::' <<<"$symbols")
    [ "$n" -eq 0 ] || fail "$program carries $n symbols of the simulated bus"
  else
    n=$(grep -c 'nobrix::platform::usblp::' <<<"$symbols")
    [ "$n" -eq 0 ] || fail "$program carries $n symbols of the Linux printer backend"
    n=$(nm -u "$program" | grep -c ' udev_')
    [ "$n" -eq 0 ] || fail "$program calls udev ($n functions)"
    readelf -d "$program" | grep -q 'libudev' && fail "$program needs libudev"
  fi
  echo "$kind program $(basename "$program"): checked"
done
exit $failed
