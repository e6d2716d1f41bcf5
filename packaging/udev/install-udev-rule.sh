#!/bin/sh
# Lets the logged-in user open the VELTRIX K9's HID nodes without root:
#   sudo ./install-udev-rule.sh [VENDOR_ID PRODUCT_ID]   (hex, e.g. 1209 0001)
# Writes /etc/udev/rules.d/70-veltrix-k9.rules (it must sort before systemd's
# 71-seat.rules, which seats only devices already tagged uaccess, and
# 73-seat-late.rules, which applies the tag), reloads the rules and
# re-triggers the hidraw nodes already present. The build copies this script
# beside the program with its own identifiers filled in.
set -eu

vendor="${1:-@K9_UDEV_VENDOR@}"
product="${2:-@K9_UDEV_PRODUCT@}"
case "$vendor" in *@*) vendor=1209 ;; esac
case "$product" in *@*) product=0001 ;; esac
vendor=$(printf '%04x' "0x${vendor#0x}")
product=$(printf '%04x' "0x${product#0x}")
rules="${K9_UDEV_RULES_DIR:-/etc/udev/rules.d}/70-veltrix-k9.rules"

cat > "$rules" <<RULE
# VELTRIX K9: let the logged-in user open the mouse's HID nodes.
SUBSYSTEM=="hidraw", ATTRS{idVendor}=="$vendor", ATTRS{idProduct}=="$product", TAG+="uaccess"
RULE
echo "wrote $rules"

if [ -z "${K9_UDEV_RULES_DIR:-}" ] && command -v udevadm >/dev/null 2>&1; then
  udevadm control --reload-rules
  udevadm trigger --subsystem-match=hidraw --action=change
fi
