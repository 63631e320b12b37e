"""Figures of the web remote on the real program (run through tests/http/with-program.sh, which
starts Kirunner with its remote on): a command to its event on the stream, the requests a second
one client is served while the strip moves, and the program's CPU with the page open and idle.
Prints figures; judges nothing."""
import os
import statistics
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "http"))
from remote_client import Remote  # noqa: E402


def program_cpu_seconds():
    """User and system CPU seconds of the Kirunner.exe process (and its Wine threads)."""
    hertz = os.sysconf("SC_CLK_TCK")
    total = 0.0
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open(f"/proc/{pid}/cmdline", "rb") as cmdline:
                if b"Kirunner.exe" not in cmdline.read():
                    continue
            with open(f"/proc/{pid}/stat") as stat:
                fields = stat.read().rsplit(")", 1)[1].split()
            total += (int(fields[11]) + int(fields[12])) / hertz
        except OSError:
            continue
    return total


def main():
    remote = Remote(os.environ["KIRUNNER_URL"], os.environ["KIRUNNER_TOKEN"])
    stream = remote.events(120)
    stream.next_event()
    delays = []
    for number in [1, 2, 3] * 10:
        started = time.perf_counter()
        version = remote.show(number)["version"]
        while True:
            event = stream.next_event()
            if event is None or event[2] >= version:
                break
        delays.append((time.perf_counter() - started) * 1000)
        time.sleep(0.1)
    print("command to its event on the stream, ms: median %.1f, worst %.1f" % (statistics.median(delays), max(delays)))

    served = refused = 0
    started = time.perf_counter()
    while time.perf_counter() - started < 10:
        status = remote.request("GET", "/api/state", patient=False).status
        served += status == 200
        refused += status == 429
    seconds = time.perf_counter() - started
    print("one client asking as fast as it can, with captions rolling: %.1f answered a second, %.1f told 429"
          % (served / seconds, refused / seconds))

    remote.clear_now()
    time.sleep(2)
    before = program_cpu_seconds()
    time.sleep(30)
    used = program_cpu_seconds() - before
    print("program CPU with the page's event stream open and nothing on air: %.2f s a minute" % (used * 2))
    stream.close()


if __name__ == "__main__":
    main()
