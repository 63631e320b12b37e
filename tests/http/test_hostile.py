"""Hostile traffic against the HTTP surface, as a table: after each case the host still answers,
and nothing a refused request asked reached the show."""
import http.client
import re
import socket
import threading
import time
import unittest

from host import Host
from remote_client import Remote, row

HEAD_MS = 3000  # the test host's time for a request's head (the program's is 10 s)


def raw(port, data, seconds=10):
    """Sends bytes on a connection of its own; the answer's status line ("" when none came)."""
    with socket.create_connection(("127.0.0.1", port), timeout=seconds) as connection:
        try:
            connection.sendall(data)
        except OSError:
            pass  # the server may close before it has read everything: its answer is still read
        answer = b""
        try:
            while b"\r\n" not in answer:
                chunk = connection.recv(4096)
                if not chunk:
                    break
                answer += chunk
        except OSError:
            pass
        return answer.split(b"\r\n", 1)[0].decode("latin-1")


class Hostile(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.host = Host("--head-ms", str(HEAD_MS)).__enter__()
        cls.remote = cls.host.remote()
        cls.port = cls.host.port

    @classmethod
    def tearDownClass(cls):
        cls.host.__exit__(None, None, None)

    def head(self, *lines):
        return ("\r\n".join(lines) + "\r\n\r\n").encode("latin-1")

    def assertStillAnswers(self):
        self.assertEqual(self.remote.request("GET", "/api/state").status, 200)

    def test_malformed_and_oversized_requests_are_refused(self):
        host = f"Host: 127.0.0.1:{self.port}"
        auth = f"Authorization: Bearer {self.host.token}"
        cases = [
            ("garbage", b"GARBAGE\r\n\r\n", "400"),
            ("no request target", self.head("GET HTTP/1.1", host), "400"),
            ("absolute target", self.head("GET http://evil.example/ HTTP/1.1", host), "400"),
            ("unknown version", self.head("GET / HTTP/2.0", host), "505"),
            ("no Host", self.head("GET / HTTP/1.1"), "400"),
            ("two Hosts", self.head("GET / HTTP/1.1", host, "Host: evil.example"), "400"),
            ("field without colon", self.head("GET / HTTP/1.1", host, "Nonsense"), "400"),
            ("folded field", self.head("GET / HTTP/1.1", host, "X-A: 1", " folded"), "400"),
            ("NUL in a field", self.head("GET / HTTP/1.1", host, "X-A: a\0b"), "400"),
            ("bare CR", self.head("GET / HTTP/1.1", host, "X-A: a\rb"), "400"),
            ("chunked body", self.head("POST /api/clear HTTP/1.1", host, auth, "Transfer-Encoding: chunked") + b"0\r\n\r\n", "501"),
            ("length and coding (smuggling)", self.head("POST /api/clear HTTP/1.1", host, auth, "Content-Length: 5",
                                                        "Transfer-Encoding: chunked") + b"0\r\n\r\n", "501"),
            ("two lengths", self.head("POST /api/clear HTTP/1.1", host, auth, "Content-Length: 2", "Content-Length: 3") + b"{}", "400"),
            ("signed length", self.head("POST /api/clear HTTP/1.1", host, auth, "Content-Length: -1"), "400"),
            ("oversized header field", self.head("GET / HTTP/1.1", host, "X-Big: " + "a" * 20000), "431"),
            ("too many header fields", self.head("GET / HTTP/1.1", host, *[f"X-{i}: {i}" for i in range(200)]), "431"),
            ("endless request line", b"GET /" + b"a" * 100000, "431"),
            ("oversized body", self.head("POST /api/items HTTP/1.1", host, auth, "Content-Length: 10000000") + b"x" * 100000, "413"),
            ("dot segments", self.head("GET /../../Kirunner.ini HTTP/1.1", host), "404"),
            ("encoded dot segments", self.head("GET /%2e%2e/%2e%2e/Kirunner.ini HTTP/1.1", host), "404"),
            ("dot segments into the API", self.head("GET /api/../api/state HTTP/1.1", host, auth), "404"),
            ("backslashes", self.head("GET /..\\..\\Kirunner.ini HTTP/1.1", host), "404"),
            ("invalid UTF-8 in JSON", self.head("POST /api/text HTTP/1.1", host, auth, "Content-Length: 13") + b'{"text":"\xc3("}', "400"),
            ("deeply nested JSON", self.head("POST /api/text HTTP/1.1", host, auth, "Content-Length: 60000") + b"[" * 60000, "400"),
            ("deeply nested whole JSON", self.head("POST /api/text HTTP/1.1", host, auth, "Content-Length: 64000")
             + b"[" * 32000 + b"]" * 32000, "400"),
        ]
        def lasting(state):  # the show without the time that passes
            return [(r["number"], r["text"], r["minutes"], r["onAir"]) for r in state["rows"]]

        before = lasting(self.remote.state())
        for name, data, status in cases:
            with self.subTest(name):
                line = raw(self.port, data)
                self.assertTrue(line.startswith("HTTP/1.1 " + status), f"{name}: {line!r}")
                self.assertStillAnswers()
        self.assertEqual(lasting(self.remote.state()), before)

    def test_a_slow_client_is_timed_out_and_others_are_served_meanwhile(self):
        with socket.create_connection(("127.0.0.1", self.port)) as slow:
            slow.sendall(b"GET / HTTP/1.1\r\n")
            started = time.monotonic()
            closed = None
            while time.monotonic() - started < HEAD_MS / 1000 * 4:
                self.assertStillAnswers()
                try:
                    slow.sendall(b"X")  # a byte now and then: each read alone would never time out
                    slow.settimeout(0.5)
                    if slow.recv(4096) == b"":
                        closed = time.monotonic()
                        break
                except socket.timeout:
                    continue
                except OSError:
                    closed = time.monotonic()
                    break
                closed = time.monotonic()  # an answer (408) came
                break
            self.assertIsNotNone(closed, "the slow client was cut off")

    def test_a_thousand_connections_at_once(self):
        time.sleep(3)  # this client's request rate back to a full burst after the other cases
        sockets = []
        try:
            for _ in range(1000):
                s = socket.socket()
                s.setblocking(False)
                s.connect_ex(("127.0.0.1", self.port))
                sockets.append(s)
            time.sleep(2)
            # Every connection that got no slot was answered 429 and closed; the held ones are
            # idle, and a real request crowds one of them out at once.
            self.assertEqual(self.remote.request("GET", "/api/state", patient=False).status, 200)
        finally:
            for s in sockets:
                s.close()
        time.sleep(1)
        self.assertStillAnswers()

    def test_a_flood_of_requests_is_answered_429_without_holding_up_the_show(self):
        self.remote.clear_now()
        self.remote.show(1)
        version = self.remote.state()["version"]
        stream = self.remote.events(8)
        counts = {}
        lock = threading.Lock()
        request = self.head("POST /api/show/1 HTTP/1.1", f"Host: 127.0.0.1:{self.port}",
                            f"Authorization: Bearer {self.host.token}", "Content-Length: 0")

        def flood(count, batch=25):
            # Pipelined on one kept-alive connection, a batch at a time, as fast as the server
            # answers them.
            data = b""
            with socket.create_connection(("127.0.0.1", self.port), timeout=20) as connection:
                for sent in range(batch, count + 1, batch):
                    connection.sendall(request * batch)
                    while data.count(b"HTTP/1.1 ") < sent:
                        chunk = connection.recv(65536)
                        if not chunk:
                            break
                        data += chunk
            with lock:
                for status in re.findall(rb"HTTP/1\.1 (\d{3}) ", data):
                    counts[status] = counts.get(status, 0) + 1

        started = time.monotonic()
        threads = [threading.Thread(target=flood, args=(1000,)) for _ in range(10)]
        for thread in threads:
            thread.start()
        events = 0
        while any(thread.is_alive() for thread in threads):
            if stream.next_event():
                events += 1
        for thread in threads:
            thread.join()
        seconds = time.monotonic() - started
        stream.close()
        print(f"10000 requests in {seconds:.1f} s: {counts}; {events} events meanwhile")
        self.assertEqual(sum(counts.values()), 10000)
        self.assertGreater(counts.get(b"429", 0), counts.get(b"200", 0))
        self.assertGreaterEqual(events, 1, "the event stream kept going during the flood")
        # Only what the rate let through reached the show: the burst and 20 a second.
        reached = self.remote.state()["version"] - version
        self.assertLessEqual(reached, 60 + 20 * (seconds + 3))
        time.sleep(3)
        self.assertTrue(row(self.remote.state(), 1)["onAir"])


class TokenHolder(unittest.TestCase):
    def test_a_phone_with_the_token_is_answered_amid_idle_clients_and_floods_without_it(self):
        with Host() as host:
            stop = threading.Event()
            self.addCleanup(stop.set)
            def idle_client():  # kept alive, GET /x every 0.4 s; connects again when closed
                connection = http.client.HTTPConnection("127.0.0.1", host.port, timeout=10)
                while not stop.wait(0.4):
                    try:
                        connection.request("GET", "/x")
                        connection.getresponse().read()
                    except (OSError, http.client.HTTPException):
                        connection.close()

            def flood(path):  # pipelined requests without the token, again and again
                while not stop.is_set():
                    raw(host.port, f"GET {path} HTTP/1.1\r\nHost: 127.0.0.1:{host.port}\r\n\r\n".encode() * 20, 2)

            clients = [threading.Thread(target=idle_client, daemon=True) for _ in range(24)]
            clients += [threading.Thread(target=flood, args=(path,), daemon=True) for path in ("/", "/api/state", "/nothing")]
            for client in clients:
                client.start()
            time.sleep(3)  # every connection taken, the rate of requests without the token spent
            phone = Remote(host.url, host.token, timeout=2)  # no wait of its longer than 2 s
            for method, path, status in [("GET", "/api/state", 200), ("GET", "/", 200), ("GET", "/app.js", 200),
                                         ("GET", "/nothing", 404), ("POST", "/api/clearnow", 200)] * 5:
                self.assertEqual(phone.request(method, path, patient=False).status, status, path)


if __name__ == "__main__":
    unittest.main()
