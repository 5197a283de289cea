#!/usr/bin/env bash
# Usage: installed_image.sh PROGRAM PACKAGE FILE_NAME IMAGE
# The simulated command-line program laid out as its package installs it: <prefix>/bin/PROGRAM
# and the image as <prefix>/share/PACKAGE/FILE_NAME. With the image there every printer is
# updated; with a damaged one there the update is refused before any printer is touched (exit
# status 4, with the reason), although the build's own image would still be found.
set -u
program=$1 package=$2 name=$3 image=$4
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
mkdir -p "$prefix/bin" "$prefix/share/$package"
cp "$program" "$prefix/bin/"
installed="$prefix/bin/$(basename "$program")"
export NOBRIX_HISTORY="$prefix/history.sqlite"
failed=0

# update_with DESCRIPTION EXPECTED_STATUS [TEXT EXPECTED ON STANDARD ERROR]
update_with() {
  local status=0
  "$installed" update --all --lang en >"$prefix/out" 2>"$prefix/err" || status=$?
  if [ "$status" -ne "$2" ] || { [ -n "${3:-}" ] && ! grep -q "$3" "$prefix/err"; }; then
    echo "FAIL: $1: exit status $status (expected $2)"
    cat "$prefix/out" "$prefix/err"
    failed=1
  else
    echo "$1: exit status $status"
  fi
}

ln -s "$image" "$prefix/share/$package/$name"
update_with "the image in place" 0
rm "$prefix/share/$package/$name"
head -c 4096 "$image" >"$prefix/share/$package/$name"
update_with "a damaged image in place" 4 "Could not load firmware resource file"
exit $failed
