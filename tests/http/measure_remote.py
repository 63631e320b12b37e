"""Figures of the HTTP surface on the test host (not a test: it prints, it asserts nothing).

  measure_remote.py   (with HTTP_HOST_EXE, WINE_RUN and WINE_PREFIX as for the tests)
Round trips of the state and of a command, the delay from a command to its event, and the host
process's memory before and after a flood of requests and connections.
"""
import socket
import statistics
import threading
import time

from host import Host


def rss_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        return next(int(line.split()[1]) for line in status if line.startswith("VmRSS:"))


def timed(action, count, pause):
    times = []
    for _ in range(count):
        started = time.perf_counter()
        action()
        times.append((time.perf_counter() - started) * 1000)
        time.sleep(pause)  # under the rate limit of 20 a second
    times.sort()
    return statistics.median(times), times[int(len(times) * 0.95) - 1]


def main():
    with Host() as host:
        remote = host.remote()
        print("GET /api/state round trip, ms (median, 95th): %.1f, %.1f" % timed(remote.state, 100, 0.06))
        print("POST /api/show/1 round trip, ms (median, 95th): %.1f, %.1f" % timed(lambda: remote.show(1), 60, 0.06))
        stream = remote.events(60)
        stream.next_event()
        delays = []
        for _ in range(30):
            started = time.perf_counter()
            version = remote.show(2)["version"]
            while True:
                event = stream.next_event()
                if event is None or event[2] >= version:
                    break
            delays.append((time.perf_counter() - started) * 1000)
            time.sleep(0.06)
        stream.close()
        print("command to its event on the stream, ms (median, max): %.1f, %.1f" % (statistics.median(delays), max(delays)))

        before = rss_kib(host.process.pid)
        request = (f"GET /api/state HTTP/1.1\r\nHost: 127.0.0.1:{host.port}\r\n"
                   f"Authorization: Bearer {host.token}\r\n\r\n").encode()

        def flood():
            with socket.create_connection(("127.0.0.1", host.port), timeout=20) as connection:
                for _ in range(40):
                    connection.sendall(request * 25)
                    data = b""
                    while data.count(b"HTTP/1.1 ") < 25:
                        chunk = connection.recv(65536)
                        if not chunk:
                            return
                        data += chunk

        started = time.perf_counter()
        threads = [threading.Thread(target=flood) for _ in range(10)]
        for thread in threads:
            thread.start()
        for thread in threads:
            thread.join()
        print("10,000 requests on 10 connections: %.1f s" % (time.perf_counter() - started))
        sockets = [socket.create_connection(("127.0.0.1", host.port)) for _ in range(1000)]
        time.sleep(2)
        for s in sockets:
            s.close()
        time.sleep(2)
        print("host process memory, KiB: %d before, %d after the flood and 1,000 connections" % (before, rss_kib(host.process.pid)))


if __name__ == "__main__":
    main()
