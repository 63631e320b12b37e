"""A client of Kirunner's HTTP API, as a control panel or a script would use it.

The same client drives the test host (tests/hosts/http_host.cpp) and the real program: it needs
only the base address and the token.
"""
import http.client
import json
import socket
import time
from urllib.parse import urlsplit


class Answer:
    def __init__(self, status, headers, body):
        self.status = status
        self.headers = headers
        self.body = body

    def json(self):
        return json.loads(self.body.decode("utf-8"))

    def header(self, name):
        return self.headers.get(name.lower())


class Remote:
    def __init__(self, base, token, timeout=10):
        parts = urlsplit(base)
        self.host = parts.hostname
        self.port = parts.port or 80
        self.token = token
        self.timeout = timeout

    def request(self, method, path, body=None, headers=None, token=True, raw_body=None, patient=True):
        """One request on a connection of its own; `body` is sent as JSON, `raw_body` as it is.
        A patient client waits as a 429 answer's Retry-After says and asks again."""
        for _ in range(10):
            answer = self._request(method, path, body, headers, token, raw_body)
            if answer.status != 429 or not patient:
                return answer
            time.sleep(float(answer.header("Retry-After") or 1))
        return answer

    def _request(self, method, path, body, headers, token, raw_body):
        sent = dict(headers or {})
        if token and "Authorization" not in sent:
            sent["Authorization"] = "Bearer " + self.token
        data = raw_body
        if body is not None:
            data = json.dumps(body, ensure_ascii=False).encode("utf-8")
            sent.setdefault("Content-Type", "application/json")
        connection = http.client.HTTPConnection(self.host, self.port, timeout=self.timeout)
        try:
            if "Host" in sent:
                connection.putrequest(method, path, skip_host=True)
                for name, value in sent.items():
                    connection.putheader(name, value)
                if data is not None:
                    connection.putheader("Content-Length", str(len(data)))
                connection.endheaders(data)
            else:
                connection.request(method, path, body=data, headers=sent)
            response = connection.getresponse()
            return Answer(response.status, {k.lower(): v for k, v in response.getheaders()}, response.read())
        finally:
            connection.close()

    # The API's commands; each answers with the state document (or raises on an error status).
    def call(self, method, path, body=None):
        answer = self.request(method, path, body)
        if answer.status != 200:
            raise RuntimeError(f"{method} {path}: {answer.status} {answer.body[:200]!r}")
        return answer.json()

    def state(self):
        return self.call("GET", "/api/state")

    def show(self, number):
        return self.call("POST", f"/api/show/{number}")

    def hide(self, number):
        return self.call("POST", f"/api/hide/{number}")

    def clear(self):
        return self.call("POST", "/api/clear")

    def clear_now(self):
        return self.call("POST", "/api/clearnow")

    def strip(self, shown):
        return self.call("POST", "/api/strip", {"shown": shown})

    def text(self, text, minutes=1):
        return self.call("POST", "/api/text", {"text": text, "minutes": minutes})

    def cut_in(self, text, minutes=1):
        return self.call("POST", "/api/cutin", {"text": text, "minutes": minutes})

    def end_cut_in(self):
        return self.call("POST", "/api/endcutin")

    def add_item(self, text, minutes=1):
        return self.call("POST", "/api/items", {"text": text, "minutes": minutes})

    def change_item(self, number, text, minutes=1):
        return self.call("PUT", f"/api/items/{number}", {"text": text, "minutes": minutes})

    def delete_item(self, number):
        return self.call("DELETE", f"/api/items/{number}")

    def events(self, seconds, target="/api/events", token=True):
        """An event stream's events for at most `seconds`: (arrival time, name, id, document)."""
        connection = socket.create_connection((self.host, self.port), timeout=seconds + 5)
        authorization = f"Authorization: Bearer {self.token}\r\n" if token else ""
        connection.sendall((f"GET {target} HTTP/1.1\r\nHost: {self.host}:{self.port}\r\n"
                            f"{authorization}Accept: text/event-stream\r\n\r\n").encode())
        return EventReader(connection, seconds)


class EventReader:
    """Reads events off an open stream until its time is up; iterate, or call next_event()."""

    def __init__(self, connection, seconds):
        self.connection = connection
        self.until = time.monotonic() + seconds
        self.buffer = b""
        self.head = None

    def close(self):
        self.connection.close()

    def __iter__(self):
        return self

    def __next__(self):
        event = self.next_event()
        if event is None:
            raise StopIteration
        return event

    def next_event(self):
        while True:
            if self.head is None and b"\r\n\r\n" in self.buffer:
                self.head, self.buffer = self.buffer.split(b"\r\n\r\n", 1)
            if self.head is not None:
                while b"\n\n" in self.buffer:
                    block, self.buffer = self.buffer.split(b"\n\n", 1)
                    fields = {}
                    for line in block.decode("utf-8").split("\n"):
                        name, _, value = line.partition(":")
                        if name:
                            fields[name] = value[1:] if value.startswith(" ") else value
                    if "event" in fields:
                        return time.monotonic(), fields["event"], int(fields["id"]), json.loads(fields["data"])
            left = self.until - time.monotonic()
            if left <= 0:
                return None
            self.connection.settimeout(left)
            try:
                chunk = self.connection.recv(65536)
            except socket.timeout:
                return None
            if not chunk:
                return None
            self.buffer += chunk

    def status_line(self):
        return self.head.split(b"\r\n", 1)[0].decode() if self.head else ""


def row(state, number):
    """The row of list entry `number` (or of a mark such as 割り込み) in a state document."""
    return next(r for r in state["rows"] if r["number"] == str(number))
