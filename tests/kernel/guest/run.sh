#!/bin/bash
# Guest side of the kernel test stage, run inside the usbvm guest by scripts/test-kernel:
#   run.sh SET...   runs the checks of guest/SET.sh in turn and ends with "N passed, M failed".
# Needs NOBRIX_DRIVER (the driver program) and the harness's USBVM_STATE.
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
: "${NOBRIX_DRIVER:?path of nobrix_kernel_driver}" "${USBVM_STATE:?run inside the usbvm guest}"
work=$(mktemp -d /tmp/nobrix-kernel.XXXXXX)
# Run the driver from the guest's own memory: a shared folder has no page cache in the guest, and
# paging the built-in image in from it is slow. The folder is open to the unprivileged user.
mkdir -m 755 /tmp/nobrix-driver && cp "$NOBRIX_DRIVER" /tmp/nobrix-driver/ || exit 1
NOBRIX_DRIVER=/tmp/nobrix-driver/${NOBRIX_DRIVER##*/}
# The command-line program, for the sets that run it (NOBRIX_CLI, optional).
if [ -n "${NOBRIX_CLI:-}" ]; then
  cp "$NOBRIX_CLI" /tmp/nobrix-driver/ || exit 1
  NOBRIX_CLI=/tmp/nobrix-driver/${NOBRIX_CLI##*/}
fi
# shellcheck source=lib.sh
source "$here/lib.sh"
for set in "$@"; do
  # shellcheck disable=SC1090
  source "$here/$set.sh"
done
echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
