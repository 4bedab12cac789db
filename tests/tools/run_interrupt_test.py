#!/usr/bin/env python3
"""Ctrl+C in tools/run closes Tovanix as File > Exit does and leaves nothing
running. tools/run runs as a user runs it: in a terminal (a pseudo-terminal
here, into which the test types Ctrl+C), on a display of its own that stands
for the user's desktop, with a Wine prefix of its own."""
import os
import pty
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def prefix_processes(prefix):
    """The processes of a Wine prefix: Wine programs and the server."""
    found = []
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open(f"/proc/{pid}/environ", "rb") as environ:
                if f"WINEPREFIX={prefix}".encode() in environ.read().split(b"\0"):
                    found.append(int(pid))
        except OSError:
            pass
    return found


def start_display(work):
    read_end, write_end = os.pipe()
    with open(os.path.join(work, "xvfb.log"), "wb") as log:
        xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
            pass_fds=[write_end], stdout=log, stderr=log)
    os.close(write_end)
    # Xvfb writes the number and the line end in two writes and ends when
    # the second one fails: the pipe stays open until the whole line is read.
    with os.fdopen(read_end) as pipe:
        return xvfb, ":" + pipe.readline().strip()


class Terminal:
    """tools/run in a terminal of its own; keeps what it printed."""

    def __init__(self, environment):
        self.pid, self.fd = pty.fork()
        if self.pid == 0:
            os.execve(os.path.join(ROOT, "tools", "run"), ["tools/run"], environment)
        self.output = b""
        self.status = None

    def read(self, seconds):
        ready, _, _ = select.select([self.fd], [], [], seconds)
        if ready:
            try:
                self.output += os.read(self.fd, 65536)
            except OSError:  # the other side closed
                time.sleep(seconds)

    def wait_for(self, condition, seconds):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if condition():
                return True
            self.read(0.2)
        return condition()

    def exit_status(self):
        if self.status is None:
            pid, status = os.waitpid(self.pid, os.WNOHANG)
            if pid != 0:
                self.status = os.waitstatus_to_exitcode(status)
        return self.status


def main():
    work = tempfile.mkdtemp(prefix="tovanix_run_")
    prefix = os.path.join(work, "wineprefix")
    xvfb, display = start_display(work)
    terminal = None
    status = None
    try:
        environment = dict(os.environ, TOVANIX_RUN_DIR=work, DISPLAY=display)
        terminal = Terminal(environment)

        def fail(reason):
            print("FAILED:", reason)
            if xvfb.poll() is not None:
                # Something ended the display that stands for the desktop:
                # everything after that fails, so say it rather than time out.
                with open(os.path.join(work, "xvfb.log"), errors="replace") as log:
                    print(f"The test's display {display} ended early (Xvfb exit status {xvfb.returncode}); "
                          f"Xvfb printed:\n{log.read()}")
            print("--- tools/run printed:")
            print(terminal.output.decode(errors="replace"))
            return 1

        def wait_for(condition, seconds):
            return terminal.wait_for(lambda: xvfb.poll() is not None or condition(), seconds) and xvfb.poll() is None

        if not wait_for(lambda: b"Starting Tovanix" in terminal.output, 300):
            return fail("tools/run did not start Tovanix")
        if os.path.join(ROOT, "build", "win64", "bin", "Tovanix.html").encode() not in terminal.output:
            return fail("tools/run did not say where the manual is")
        # The first run switches the receiver on at start: once a button goes
        # through, the start-up (during which closing is refused) is over.
        def button_goes_through():
            send = subprocess.run([os.path.join(ROOT, "tools", "send"), "KEY_UNUSED"], env=environment,
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            return send.returncode == 0
        if not wait_for(button_goes_through, 180):
            return fail("Tovanix did not start receiving")

        os.write(terminal.fd, b"\x03")  # Ctrl+C
        # Without a window manager each window that closes stalls Wine for a
        # while, so closing takes some seconds here.
        terminal.wait_for(lambda: terminal.exit_status() is not None, 90)
        status = terminal.exit_status()
        if status is None:
            return fail("tools/run still runs 90 s after Ctrl+C")
        if status != 130:
            return fail(f"tools/run ended with {status}, not 130")
        left = prefix_processes(prefix)
        if left:
            return fail(f"still running: {left}")
        with open(os.path.join(prefix, "user.reg"), encoding="latin-1") as registry:
            if '"Left"=dword' not in registry.read():
                return fail("the window's position was not saved: Tovanix did not close cleanly")
        print("tools/run: Ctrl+C closed Tovanix cleanly")
        return 0
    finally:
        if terminal and status is None:
            os.kill(terminal.pid, signal.SIGKILL)
        subprocess.run(["wineserver", "-k"], env=dict(os.environ, WINEPREFIX=prefix),
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        xvfb.terminate()
        xvfb.wait()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
