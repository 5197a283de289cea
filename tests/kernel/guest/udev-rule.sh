# shellcheck shell=bash disable=SC2154
# The packages' udev rule (NOBRIX_UDEV_RULE) under the running udev daemon: every printer whose
# serial starts with UDNO must stay untagged, every other one must get the uaccess tag.
before=$failed
if [ ! -f "${NOBRIX_UDEV_RULE:-}" ]; then
  note "no udev rule at '${NOBRIX_UDEV_RULE:-}'"
else
  mkdir -p /run/udev/rules.d
  cp "$NOBRIX_UDEV_RULE" /run/udev/rules.d/
  udevadm control --reload
  udevadm trigger --subsystem-match=usbmisc --action=change
  udevadm settle --timeout=30 || note "udevadm settle timed out"
  nodes=0
  for node in /sys/class/usbmisc/lp*; do
    nodes=$((nodes + 1))
    id=$(cat "$node/device/ieee1284_id")
    tags=$(udevadm info --query=property --path="$node" | sed -n 's/^TAGS=//p')
    case "$id;$tags" in
      *SN:UDNO*:uaccess:*) note "${node##*/} tagged uaccess: $id" ;;
      *SN:UDNO*) ;;
      *:uaccess:*) ;;
      *) note "${node##*/} not tagged uaccess (tags '$tags'): $id" ;;
    esac
  done
  [ "$nodes" = "$(wc -l < "$USBVM_STATE/printers.tsv")" ] ||
    note "$nodes nodes for $(wc -l < "$USBVM_STATE/printers.tsv") printers"
fi
verdict "the udev rule tags the product's printers in normal and flash mode, and no other"
