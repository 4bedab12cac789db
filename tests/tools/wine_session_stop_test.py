#!/usr/bin/env python3
"""tools/wine-session stop ends its own display only: the process id in a
session file whose display is gone may belong to another program by now."""
import os
import subprocess
import sys
import tempfile

other = subprocess.Popen(["sleep", "60"])
with tempfile.TemporaryDirectory() as build:
    with open(os.path.join(build, "wine-session.env"), "w") as session:
        session.write(f"XVFB_PID={other.pid}\nXVFB_START=1\n")
    tools = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools")
    subprocess.run([os.path.join(tools, "wine-session"), "stop", build], capture_output=True)
ended = other.poll() is not None
other.kill()
sys.exit("FAILED: stopping a session whose display was gone ended another program" if ended else 0)
