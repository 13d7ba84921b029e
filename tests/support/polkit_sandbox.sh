#!/bin/sh
# polkit_sandbox.sh FOLDER COMMAND...: runs COMMAND in a system of the test's own, as PID 1's only
# child in a private mount and process namespace (unshare --mount --pid --fork --mount-proc),
# so that nothing of it reaches the machine and everything it starts ends with it:
#   /run and /opt are empty, but for a system D-Bus of its own (polkitd is started by the bus on
#   the first question), and the printing system's and the journal's sockets when FOLDER has
#   cups.sock and journal.sock;
#   polkit reads the rules of FOLDER/rules.d and the actions of FOLDER/actions only;
#   systemd's unit folders are empty, so no service of the machine is seen, enabled or started;
#   with FOLDER/network, the network is a loopback of its own (unshare --net), brought up here;
#   each folder named in FOLDER/read-only (one a line) is mounted read-only;
#   each folder named in FOLDER/overlays (one a line) takes every change made to it into
#   FOLDER/overlay/NAME/upper (NAME: the folder's path with "/" as "_"), so that a package, a
#   group or a rules file installed there stays the test's; the accounts the tests lend
#   (SKARVEL_TEST_ACCOUNTS) are written into an overlay of /etc;
#   without FOLDER/actions, polkit reads the system's actions (those of a package installed in
#   an overlay among them).
set -eu
folder=$1
shift
if [ -f "$folder/overlays" ]; then
  while IFS= read -r path; do
    name=$(printf '%s' "$path" | tr / _)
    mkdir -p "$folder/overlay/$name/upper" "$folder/overlay/$name/work"
    mount -t overlay "skarvel$name" \
      -o "lowerdir=$path,upperdir=$folder/overlay/$name/upper,workdir=$folder/overlay/$name/work" \
      "$path"
  done <"$folder/overlays"
  # The accounts the tests lend lie over the machine's /etc/passwd and /etc/group, which an
  # overlay of /etc hides: inside it, they are written into the overlay.
  if [ -n "${SKARVEL_TEST_ACCOUNTS:-}" ] && grep -qx /etc "$folder/overlays"; then
    cp "$SKARVEL_TEST_ACCOUNTS/passwd" /etc/passwd
    cp "$SKARVEL_TEST_ACCOUNTS/group" /etc/group
  fi
fi
if [ -f "$folder/network" ]; then
  # The loopback of a new network starts down; Python's ioctl brings it up where no ip(8) is.
  /usr/bin/python3 -c '
import fcntl, socket, struct
probe = socket.socket()
flags = struct.unpack("16sH", fcntl.ioctl(probe, 0x8913, struct.pack("16sH", b"lo", 0)))[1]
fcntl.ioctl(probe, 0x8914, struct.pack("16sH", b"lo", flags | 1))'
fi
mount -t tmpfs skarvel-run /run
mount -t tmpfs skarvel-opt /opt
mkdir -p /run/dbus /run/cups /run/systemd/journal
if [ -S "$folder/cups.sock" ]; then ln -s "$folder/cups.sock" /run/cups/cups.sock; fi
if [ -S "$folder/journal.sock" ]; then ln -s "$folder/journal.sock" /run/systemd/journal/socket; fi
mount --bind "$folder/rules.d" /etc/polkit-1/rules.d
mount --bind "$folder/empty" /usr/share/polkit-1/rules.d
if [ -d "$folder/actions" ]; then mount --bind "$folder/actions" /usr/share/polkit-1/actions; fi
for units in /etc/systemd/system /usr/lib/systemd/system; do
  if [ -d "$units" ]; then mount --bind "$folder/empty" "$units"; fi
done
if [ -f "$folder/read-only" ]; then
  while IFS= read -r path; do
    mount --bind "$path" "$path"
    mount -o remount,bind,ro "$path"
  done <"$folder/read-only"
fi
dbus-daemon --system --fork --nopidfile
# pkexec refuses a caller whose parent is PID 1: the command runs as this script's child.
"$@" &
wait $!
