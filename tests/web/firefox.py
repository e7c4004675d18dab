# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The page in Debian's Firefox ESR, headless, driven through WebDriver BiDi over a WebSocket.

Firefox speaks BiDi on its own (`--remote-debugging-port`), so no driver program is needed: a
small WebSocket client over the standard library sends the commands. Keys go through
`input.performActions`, Firefox's own input pipeline, as a player's keys do.
"""
import base64
import json
import os
import shutil
import socket
import struct
import subprocess
import tempfile
import time

from window.xwatch import terminate

ENTER = "\ue007"


class WebSocket:
    """A WebSocket client for text messages, as much of RFC 6455 as a local browser needs."""

    def __init__(self, port, path, timeout=60):
        self.sock = socket.create_connection(("127.0.0.1", port), timeout=timeout)
        key = base64.b64encode(os.urandom(16)).decode()
        self.sock.sendall((f"GET {path} HTTP/1.1\r\nHost: 127.0.0.1:{port}\r\n"
                           f"Upgrade: websocket\r\nConnection: Upgrade\r\n"
                           f"Sec-WebSocket-Key: {key}\r\nSec-WebSocket-Version: 13\r\n\r\n")
                          .encode())
        head = b""
        while not head.endswith(b"\r\n\r\n"):
            head += self.read(1)
        if b" 101 " not in head.split(b"\r\n")[0]:
            raise ConnectionError(f"no WebSocket at {path}: {head[:80]!r}")

    def read(self, count):
        data = b""
        while len(data) < count:
            chunk = self.sock.recv(count - len(data))
            if not chunk:
                raise ConnectionError("the browser closed the connection")
            data += chunk
        return data

    def send(self, text, opcode=1):
        data, mask = text.encode() if isinstance(text, str) else text, os.urandom(4)
        size = len(data)
        head = bytes([0x80 | opcode]) + (
            bytes([0x80 | size]) if size < 126 else
            bytes([0x80 | 126]) + struct.pack(">H", size) if size < 65536 else
            bytes([0x80 | 127]) + struct.pack(">Q", size))
        masked = bytes(b ^ mask[i % 4] for i, b in enumerate(data))
        self.sock.sendall(head + mask + masked)

    def receive(self):
        message = b""
        while True:
            first, second = self.read(2)
            size = second & 0x7F
            if size == 126:
                size = struct.unpack(">H", self.read(2))[0]
            elif size == 127:
                size = struct.unpack(">Q", self.read(8))[0]
            payload = self.read(size)
            opcode = first & 0x0F
            if opcode == 8:
                raise ConnectionError("the browser closed the WebSocket")
            if opcode == 9:
                self.send(payload, opcode=10)
                continue
            if opcode in (0, 1, 2):
                message += payload
                if first & 0x80:
                    return message.decode()

    def close(self):
        self.sock.close()


class Firefox:
    """One fresh Firefox ESR on a page, its hook and watch set before the page's own scripts,
    its viewport `width` x `height` CSS pixels at one device pixel each."""

    name = "Firefox"
    ENTER = ENTER

    def __init__(self, url, preload, width, height):
        self.profile = tempfile.mkdtemp(prefix="brivazon-firefox-")
        with socket.socket() as probe:
            probe.bind(("127.0.0.1", 0))
            port = probe.getsockname()[1]
        self.process = subprocess.Popen(
            ["firefox-esr", "--headless", "--no-remote", "--profile", self.profile,
             f"--remote-debugging-port={port}", "about:blank"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.ws, self.last = None, 0
        end = time.monotonic() + 30
        while self.ws is None:
            try:
                self.ws = WebSocket(port, "/session")
            except OSError:
                if time.monotonic() > end or self.process.poll() is not None:
                    self.close()
                    raise AssertionError("Firefox did not start its WebDriver BiDi")
                time.sleep(0.2)
        self.call("session.new", {"capabilities": {}})
        self.context = self.call("browsingContext.getTree", {})["contexts"][0]["context"]
        self.call("script.addPreloadScript", {"functionDeclaration": f"() => {{ {preload} }}"})
        self.call("browsingContext.setViewport", {"context": self.context, "viewport": {
            "width": width, "height": height}, "devicePixelRatio": 1})
        self.call("browsingContext.navigate", {"context": self.context, "url": url,
                                               "wait": "complete"})

    def call(self, method, params):
        self.last += 1
        self.ws.send(json.dumps({"id": self.last, "method": method, "params": params}))
        while True:
            answer = json.loads(self.ws.receive())
            if answer.get("id") != self.last:
                continue  # an event
            if answer.get("type") == "error":
                raise AssertionError(f"Firefox: {method}: {answer.get('error')}: "
                                     f"{answer.get('message')}")
            return answer["result"]

    def js(self, expression):
        """The value of an expression in the page, through JSON."""
        got = self.call("script.evaluate", {
            "expression": f"JSON.stringify({expression})", "target": {"context": self.context},
            "awaitPromise": False})
        if got.get("type") == "exception":
            raise AssertionError(f"Firefox: {expression}: {got['exceptionDetails']['text']}")
        value = got["result"].get("value")
        return None if value is None else json.loads(value)

    def keys(self, text):
        """Each character a key pressed and released."""
        actions = []
        for ch in text:
            actions += [{"type": "keyDown", "value": ch}, {"type": "keyUp", "value": ch}]
        self.call("input.performActions", {"context": self.context, "actions": [
            {"type": "key", "id": "keyboard", "actions": actions}]})

    def shot(self, path):
        data = self.call("browsingContext.captureScreenshot", {"context": self.context})["data"]
        path.write_bytes(base64.b64decode(data))

    def close(self):
        if self.ws:
            try:
                self.call("session.end", {})
            except (OSError, AssertionError):
                pass
            self.ws.close()
        terminate(self.process, 10)
        shutil.rmtree(self.profile, ignore_errors=True)
