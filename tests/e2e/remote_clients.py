#!/usr/bin/python3
"""Hostile and half-dead clients of the remote, on 127.0.0.1 only, for
test_remote_limits.sh. Each command prints what it saw and exits 0, or says
what went wrong and exits 1. Every wait is bounded.

  flood PORT          32 idle connections held, then a 33rd: refused
  slow PORT           headers a byte a second: closed by the server
  back-drop PORT KEY  Back over the live socket, then the socket dropped
  back-quiet PORT KEY Back over the live socket, then silence (socket kept)
"""

import base64
import json
import os
import socket
import sys
import time


def connect(port):
    return socket.create_connection(("127.0.0.1", port), timeout=5)


def closed_by_peer(sock, seconds):
    """True when the server closes the connection within the time."""
    sock.settimeout(seconds)
    try:
        while True:
            data = sock.recv(4096)
            if not data:
                return True
    except ConnectionResetError:
        return True
    except socket.timeout:
        return False


def answers(sock, port):
    """True when an authorised-less state request gets an HTTP answer."""
    try:
        sock.sendall(b"GET /api/state HTTP/1.1\r\nHost: 127.0.0.1:%d\r\n\r\n" % port)
        sock.settimeout(5)
        return sock.recv(64).startswith(b"HTTP/1.1 ")
    except OSError:
        return False


def flood(port):
    held = [connect(port) for _ in range(32)]
    try:
        time.sleep(1)  # all 32 accepted and counted
        extra = connect(port)
        if not closed_by_peer(extra, 5):
            return "the 33rd connection was kept"
        # The 32 are still served.
        if not answers(held[0], port):
            return "a held connection got no answer while 32 were open"
    finally:
        for sock in held:
            sock.close()
    time.sleep(0.5)
    # Once they are gone, a new one is served again.
    fresh = connect(port)
    ok = answers(fresh, port)
    fresh.close()
    return None if ok else "no connection served after the 32 closed"


def slow(port):
    sock = connect(port)
    sock.sendall(b"GET /api/state HTTP/1.1\r\n")
    start = time.monotonic()
    try:
        for _ in range(30):
            time.sleep(1)
            sock.sendall(b"X")
    except OSError:
        waited = time.monotonic() - start
        # The header time is 10 s; allow for a busy machine.
        return None if 8 <= waited <= 20 else "closed after %.1f s" % waited
    finally:
        sock.close()
    return "a client sending a header byte a second was kept for 30 s"


class Live:
    """A bare WebSocket client: enough framing for short text messages."""

    def __init__(self, port, key):
        self.sock = connect(port)
        nonce = base64.b64encode(os.urandom(16)).decode()
        self.sock.sendall((
            "GET /api/live HTTP/1.1\r\nHost: 127.0.0.1:%d\r\nUpgrade: websocket\r\n"
            "Connection: Upgrade\r\nSec-WebSocket-Key: %s\r\nSec-WebSocket-Version: 13\r\n"
            "Authorization: Bearer %s\r\n\r\n" % (port, nonce, key)).encode())
        head = b""
        while b"\r\n\r\n" not in head:
            chunk = self.sock.recv(1)
            if not chunk:
                raise OSError("no upgrade answer")
            head += chunk
        if not head.startswith(b"HTTP/1.1 101"):
            raise OSError("upgrade answered %r" % head.split(b"\r\n")[0])

    def exact(self, n):
        data = b""
        while len(data) < n:
            chunk = self.sock.recv(n - len(data))
            if not chunk:
                raise OSError("closed")
            data += chunk
        return data

    def receive(self):
        first, second = self.exact(2)
        size = second & 0x7F
        if size == 126:
            size = int.from_bytes(self.exact(2), "big")
        elif size == 127:
            size = int.from_bytes(self.exact(8), "big")
        payload = self.exact(size)
        if first & 0x0F == 0x9:  # ping: answer it
            self.frame(0xA, payload)
            return self.receive()
        return json.loads(payload) if first & 0x0F == 0x1 else {}

    def frame(self, opcode, payload):
        mask = os.urandom(4)
        masked = bytes(b ^ mask[i % 4] for i, b in enumerate(payload))
        self.sock.sendall(bytes([0x80 | opcode, 0x80 | len(payload)]) + mask + masked)

    def send(self, message):
        self.frame(0x1, json.dumps(message).encode())

    def until(self, test, seconds=5):
        end = time.monotonic() + seconds
        self.sock.settimeout(seconds)
        while time.monotonic() < end:
            message = self.receive()
            if test(message):
                return message
        raise OSError("no such message within %d s" % seconds)


def back_then(port, key, drop):
    live = Live(port, key)
    first = live.receive()
    if not first.get("playing") or first.get("paused"):
        return "the live socket began with %r, not a playing state" % first
    live.send({"command": "backward"})
    live.until(lambda m: m.get("direction") == "backward" and not m.get("paused"))
    if drop:
        live.sock.close()  # no close frame: the phone died
        return None
    # Silent but connected: the prompter pauses within about a second.
    paused = live.until(lambda m: m.get("paused"), 5)
    live.sock.close()
    return None if paused else "no pause"


def main():
    command, port = sys.argv[1], int(sys.argv[2])
    if command == "flood":
        fault = flood(port)
    elif command == "slow":
        fault = slow(port)
    elif command in ("back-drop", "back-quiet"):
        fault = back_then(port, sys.argv[3], command == "back-drop")
    else:
        fault = "unknown command " + command
    if fault:
        print("FAIL: %s: %s" % (command, fault), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
