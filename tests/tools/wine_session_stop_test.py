#!/usr/bin/env python3
"""tools/wine-session stop ends its own display only: the process id in a
session file whose display is gone may belong to another program by now."""
import os
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def main():
    other = subprocess.Popen(["sleep", "60"])
    try:
        with tempfile.TemporaryDirectory() as build:
            with open(os.path.join(build, "wine-session.env"), "w") as session:
                session.write(f"export DISPLAY=:99\nXVFB_PID={other.pid}\nXVFB_START=1\n")
            subprocess.run([os.path.join(ROOT, "tools", "wine-session"), "stop", build], check=True,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if other.poll() is not None:
            print("FAILED: stopping a session whose display was gone ended another program")
            return 1
        return 0
    finally:
        other.kill()
        other.wait()


if __name__ == "__main__":
    sys.exit(main())
