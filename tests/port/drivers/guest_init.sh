#!/bin/busybox sh
# The test machine's init: loads Debian's own printer drivers, makes the USB printer out of
# the kernel's printer gadget, lets guest_printer play it, prints with the till's own
# port, reports on the second serial port (the host reads it as a file), and powers off.
# The host's row comes as kernel parameters, which reach init as variables:
#   till_lp=1       the parallel printer driver lp is loaded (QEMU's port is the printer)
#   till_usb=1      the USB printer is plugged in (/dev/usb/lp0 through usblp)
#   till_printer=   guest_printer's steps, comma-separated
#   till_sales=     the golden sales the cashier prints, comma-separated
#   till_second=    a sale printed while the first print waits (the printer creates
#                   /tmp/stalled, and goes on once /tmp/go exists)
#   till_as=stranger  the cashier's account is not in the group lp
/bin/busybox --install -s /bin
mount -t proc proc /proc
mount -t sysfs sys /sys
mount -t devtmpfs dev /dev
exec 3>/dev/ttyS1

load() {
  for module in "$@"; do
    insmod "/lib/modules/$module.ko" || echo "guest: cannot load $module" >&3
  done
}

await() {
  while [ ! -e "$1" ]; do sleep 0.05; done
}

# As udev leaves a printer's device on Debian: root's, writable by the group lp.
printer_device() {
  chgrp 7 "$1" && chmod 0660 "$1"
}

# A USB printer function with room for one transfer at a time, like a printer with little
# buffer, bound to the dummy controller: the machine sees a USB printer plugged in.
plug_in_usb_printer() {
  load usb-common usbcore usblp configfs udc-core libcomposite usb_f_printer dummy_hcd
  mount -t configfs none /sys/kernel/config
  gadget=/sys/kernel/config/usb_gadget/g1
  mkdir "$gadget"
  echo 0x1d6b > "$gadget/idVendor"
  echo 0x0104 > "$gadget/idProduct"
  mkdir "$gadget/configs/c.1" "$gadget/functions/printer.p0"
  echo 1 > "$gadget/functions/printer.p0/q_len"
  ln -s "$gadget/functions/printer.p0" "$gadget/configs/c.1/"
  echo dummy_udc.0 > "$gadget/UDC"
  await /dev/usb/lp0  # once the machine has found the printer on the bus
  printer_device /dev/usb/lp0
}

print() {
  account=
  [ "$till_as" = stranger ] && account=--stranger
  /bin/guest_print $account "$@" >> /tmp/shown
}

report() {
  cat /tmp/shown >&3
  [ -e /tmp/printer.bin ] && echo "usb $(od -An -tx1 -v /tmp/printer.bin | tr '\n' ' ')" >&3
  echo "$1" >&3
  poweroff -f
}

# A row that hangs (a printer waiting for a text the till never shows) still reports what
# it got.
(sleep 120 && report timeout) &

load parport parport_pc
if [ "$till_lp" = 1 ]; then
  # The driver finds its ports as it loads.
  load lp
  [ -e /dev/lp0 ] && printer_device /dev/lp0
fi
[ "$till_usb" = 1 ] && plug_in_usb_printer
touch /tmp/shown

if [ -n "$till_printer" ]; then
  # shellcheck disable=SC2046 # the steps are words
  /bin/guest_printer $(echo "$till_printer" | tr , ' ') &
  printer=$!
  await /tmp/ready
fi
# shellcheck disable=SC2046 # the sales are words
if [ -n "$till_second" ]; then
  print $(echo "$till_sales" | tr , ' ') &
  first=$!
  await /tmp/stalled
  print "$till_second"
  touch /tmp/go
  wait "$first"
else
  print $(echo "$till_sales" | tr , ' ')
fi
touch /tmp/printed
[ -n "$printer" ] && { wait "$printer" || echo "guest: the printer failed" >&3; }

report end
