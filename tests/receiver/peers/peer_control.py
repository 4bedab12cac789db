#!/usr/bin/python3
"""Real receiver peers for the Wine tests, run on the Linux side.

Started by a test program under Wine with the port on which that program
listens; connects back to it and serves one command per line:

    lircd start | lircd stop | lircd send <line>
    irman start <comN> answer|silent | irman send <12 hex digits> [<count> [<gap ms>]] | irman stop
    keys <window title> <key> [<key>...]   (xdotool, in the background: focuses that window and types the keys)
    quit

Each command is answered with "ok [...]" or "error <why>" once it is done.
When the connection closes for any reason (the test ended, crashed or was
killed on a timeout) every peer is stopped and this program exits, so that
nothing is left running.
"""
import ctypes
import os
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import threading
import time

LIRCD_CONF = """begin remote
  name  testremote
  bits  16
  eps   30
  aeps  100
  one   0 0
  zero  0 0
  gap   100000
  begin codes
    KEY_UP 0x0001
  end codes
end remote
"""

libc = ctypes.CDLL(None)


def die_with_parent():
    # PR_SET_PDEATHSIG: a peer never outlives this controller.
    libc.prctl(1, signal.SIGTERM)


def free_port(kind=socket.SOCK_STREAM):
    with socket.socket(socket.AF_INET, kind) as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def wait_for(condition, seconds=5.0):
    deadline = time.monotonic() + seconds
    while not condition():
        if time.monotonic() > deadline:
            return False
        time.sleep(0.02)
    return True


def accepts(port):
    try:
        socket.create_connection(("127.0.0.1", port), timeout=0.2).close()
        return True
    except OSError:
        return False


class Lircd:
    def __init__(self, folder):
        self.folder = folder
        self.port = free_port()
        self.udp_port = free_port(socket.SOCK_DGRAM)
        self.process = None
        with open(os.path.join(folder, "lircd.conf"), "w") as f:
            f.write(LIRCD_CONF)
        with open(os.path.join(folder, "lirc_options.conf"), "w") as f:
            f.write("[lircd]\nnodaemon = True\n")
        self.socket = os.path.join(folder, "lircd.socket")

    def start(self):
        if self.process:
            return "ok %d" % self.port
        f = self.folder
        self.process = subprocess.Popen(
            ["lircd", "--nodaemon", "--options-file=" + f + "/lirc_options.conf", "--driver=udp",
             "--device=%d" % self.udp_port, "--output=" + self.socket, "--pidfile=" + f + "/lircd.pid",
             "--listen=127.0.0.1:%d" % self.port, "--allow-simulate", "--logfile=" + f + "/lircd.log",
             f + "/lircd.conf"],
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            preexec_fn=die_with_parent)
        if not wait_for(lambda: accepts(self.port) and os.path.exists(self.socket)):
            return "error lircd did not start"
        return "ok %d" % self.port

    def stop(self):
        if self.process:
            self.process.terminate()
            try:
                self.process.wait(5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
            self.process = None
        return "ok"

    def send(self, line):
        result = subprocess.run(["irsend", "-d", self.socket, "SIMULATE", line],
                                stdin=subprocess.DEVNULL, capture_output=True, timeout=10)
        return "ok" if result.returncode == 0 else "error irsend: " + result.stderr.decode().strip()


class IrmanDevice:
    """An IRMan-compatible device on a pty pair: one end is a Wine COM port."""

    def __init__(self, folder):
        self.folder = folder
        self.socat = None
        self.fd = None
        self.link = None
        self.reader = None

    def start(self, com, mode):
        self.stop()
        prefix = os.environ.get("WINEPREFIX")
        if not prefix:
            return "error WINEPREFIX is not set"
        self.link = os.path.join(prefix, "dosdevices", com.lower())
        device = os.path.join(self.folder, "irman-device")
        for path in (self.link, device):
            if os.path.lexists(path):
                os.unlink(path)
        self.socat = subprocess.Popen(
            ["socat", "pty,raw,echo=0,link=" + self.link, "pty,raw,echo=0,link=" + device],
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            preexec_fn=die_with_parent)
        if not wait_for(lambda: os.path.exists(self.link) and os.path.exists(device)):
            return "error socat did not start"
        self.fd = os.open(device, os.O_RDWR | os.O_NOCTTY)
        self.answer = mode == "answer"
        self.reader = threading.Thread(target=self.serve, daemon=True)
        self.reader.start()
        return "ok"

    def serve(self):
        # Answers the handshake "I", "R" with "OK", as the device does.
        seen = b""
        while True:
            try:
                data = os.read(self.fd, 64)
            except OSError:
                return
            if not data:
                return
            seen = (seen + data)[-2:]
            if seen == b"IR" and self.answer:
                os.write(self.fd, b"OK")
                seen = b""

    def send(self, code, count=1, gap_ms=110):
        frame = bytes.fromhex(code)
        if len(frame) != 6:
            return "error a code has 6 bytes"
        for i in range(count):
            if i:
                time.sleep(gap_ms / 1000)
            os.write(self.fd, frame)
        return "ok"

    def stop(self):
        if self.socat:
            self.socat.terminate()
            self.socat.wait()
            self.socat = None
        if self.fd is not None:
            os.close(self.fd)
            self.fd = None
        if self.link and os.path.lexists(self.link):
            os.unlink(self.link)
        return "ok"


def type_keys(title, keys):
    """Types keys on the X display into the Wine window with that title, as a user at that window would.
    The typing goes on in the background: the test processes its messages meanwhile, as Wine needs."""
    found = subprocess.run(["xdotool", "search", "--name", "^%s$" % title], capture_output=True, text=True,
                           timeout=10)
    windows = found.stdout.split()
    if not windows:
        return "error no window %s" % title

    def focus_and_type():
        subprocess.run(["xdotool", "windowfocus", windows[0]], timeout=10)
        time.sleep(0.5)  # a key typed while Wine takes the focus in is lost
        subprocess.run(["xdotool", "key", "--delay", "100", *keys.split(" ")], timeout=10)

    threading.Thread(target=focus_and_type, daemon=True).start()
    return "ok"


def serve(connection, folder):
    lircd = Lircd(folder)
    irman = IrmanDevice(folder)
    try:
        for line in connection.makefile("r", encoding="latin-1"):
            words = line.rstrip("\r\n").split(" ", 2)
            try:
                if words == ["quit"]:
                    connection.sendall(b"ok\n")
                    return
                elif words[:2] == ["lircd", "start"]:
                    reply = lircd.start()
                elif words[:2] == ["lircd", "stop"]:
                    reply = lircd.stop()
                elif words[:2] == ["lircd", "send"] and len(words) == 3:
                    reply = lircd.send(words[2])
                elif words[:2] == ["irman", "start"] and len(words) == 3:
                    reply = irman.start(*words[2].split(" "))
                elif words[:2] == ["irman", "send"] and len(words) == 3:
                    args = words[2].split(" ")
                    reply = irman.send(args[0], *[int(a) for a in args[1:]])
                elif words[:2] == ["irman", "stop"]:
                    reply = irman.stop()
                elif words[0] == "keys" and len(words) == 3:
                    reply = type_keys(words[1], words[2])
                else:
                    reply = "error unknown command"
            except Exception as e:  # a bad command must not end the peers
                reply = "error %s" % e
            connection.sendall((reply + "\n").encode("latin-1"))
    finally:
        lircd.stop()
        irman.stop()


def main():
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    folder = tempfile.mkdtemp(prefix="tovanix-peers-")
    try:
        with socket.create_connection(("127.0.0.1", int(sys.argv[1])), timeout=10) as connection:
            connection.settimeout(None)
            serve(connection, folder)
    finally:
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    main()
