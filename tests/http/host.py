"""Starts the test host under Wine for a test, or names the real program to test instead.

With KIRUNNER_URL and KIRUNNER_TOKEN set, the tests drive that program (a running Kirunner with
the remote switched on); tests that work the show from the PC's side are then skipped. Otherwise
HTTP_HOST_EXE (the host), WINE_RUN and WINE_PREFIX (set by CTest) start the host.
"""
import os
import queue
import socket
import subprocess
import threading
import time
import unittest

from remote_client import Remote

TOKEN = "test-token-0123456789abcdef"


def free_port(kind=socket.SOCK_STREAM):
    with socket.socket(socket.AF_INET, kind) as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


class Host:
    def __init__(self, *options):
        self.options = list(options)
        self.process = None
        self.lines = queue.Queue()
        self.output = []
        url = os.environ.get("KIRUNNER_URL")
        self.real = bool(url)
        self.view_key = os.environ.get("KIRUNNER_VIEW_KEY", "") if self.real else "test-view-key-0123456789abcdef"
        if self.real:
            self.url = url.rstrip("/")
            self.token = os.environ["KIRUNNER_TOKEN"]
            self.port = Remote(self.url, self.token).port

    def __enter__(self):
        if self.real:
            return self
        self.port = free_port()
        self.url = f"http://127.0.0.1:{self.port}"
        self.token = TOKEN
        command = [os.environ["WINE_RUN"], os.environ["WINE_PREFIX"], os.environ["HTTP_HOST_EXE"],
                   "--port", str(self.port), "--token", self.token, "--view-key", self.view_key] + self.options
        self.process = subprocess.Popen(command, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        stderr=subprocess.STDOUT, text=True, encoding="utf-8", errors="replace")
        threading.Thread(target=self._read, daemon=True).start()
        self.wait_line("HOST: ready", 120)
        return self

    def _read(self):
        for line in self.process.stdout:
            self.lines.put(line.rstrip("\n"))

    def wait_line(self, start, seconds):
        """The first line from now on that starts with `start`; fails after `seconds`."""
        until = time.monotonic() + seconds
        while time.monotonic() < until:
            try:
                line = self.lines.get(timeout=max(0.05, until - time.monotonic()))
            except queue.Empty:
                break
            self.output.append(line)
            if line.startswith(start):
                return line
        raise AssertionError(f"no line starting {start!r} within {seconds} s; output: {self.output[-20:]}")

    def drain(self):
        while True:
            try:
                self.output.append(self.lines.get_nowait())
            except queue.Empty:
                return self.output

    def operate(self, line):
        """Works the show from the PC's side (the host's standard input)."""
        if self.real:
            raise unittest.SkipTest("the real program is not worked from the PC's side here")
        self.process.stdin.write(line + "\n")
        self.process.stdin.flush()
        self.wait_line("HOST: did " + line, 30)

    def remote(self, **options):
        return Remote(self.url, self.token, **options)

    def __exit__(self, *error):
        if self.real:
            return
        try:
            self.process.stdin.write("quit\n")
            self.process.stdin.flush()
            self.process.wait(timeout=15)
        except Exception:
            self.process.kill()
            self.process.wait()
