# Counts the accessibility events that reach a screen reader, by sending
# process and type, for SECONDS after it says "ready":
#   /usr/bin/python3 bench/a11yevents.py SECONDS   -> lines "PID TYPE COUNT"
# Registered for object, window and focus events, as a screen reader is.
import sys
from collections import Counter

import pyatspi
from gi.repository import GLib

counts = Counter()


def count(event):
    try:
        pid = event.source.get_process_id()
    except Exception:  # the sender may be gone already
        pid = 0
    counts[(pid, event.type)] += 1


pyatspi.Registry.registerEventListener(count, "object", "window", "focus")
GLib.timeout_add(int(float(sys.argv[1]) * 1000), pyatspi.Registry.stop)
print("ready", flush=True)
pyatspi.Registry.start()
for (pid, kind), n in sorted(counts.items()):
    print(pid, kind, n)
