#!/usr/bin/env python3
"""Sends OSC 1.0 messages over UDP to 127.0.0.1, as a show-control system does.

  osc_sender.py PORT DONE ADDRESS [ARG ...]   one message; an ARG is i:<int>, f:<float> or s:<text>
  osc_sender.py PORT DONE --flood RATE SECONDS  hostile packets at RATE a second for SECONDS
  osc_sender.py PORT DONE --commands RATE SECONDS  valid commands (cut-ins of changing text and
      shows of list entry 1) at RATE a second for SECONDS, as a stuck button or a fader sends them;
      the last one is a cut-in of "last"
Creates the file DONE when it has sent everything.
"""
import socket
import struct
import sys
import time


def osc_string(text):
    data = text.encode("utf-8") + b"\0"
    return data + b"\0" * (-len(data) % 4)


def message(address, *arguments):
    pack = {"i": lambda v: struct.pack(">i", int(v)), "f": lambda v: struct.pack(">f", float(v)), "s": osc_string}
    split = [argument.partition(":") for argument in arguments]
    tags = "," + "".join(kind for kind, _, _ in split)
    return osc_string(address) + osc_string(tags) + b"".join(pack[kind](value) for kind, _, value in split)


def hostile_packets():
    clear = message("/kirunner/clear")
    return [
        clear[:-1],                                        # length not a multiple of four
        clear + b"\0\0\0\1",                               # trailing garbage
        message("/kirunner/show", "s:1"),                  # wrong type
        message("/kirunner/show"),                         # missing argument
        message("/kirunner/strip", "i:7"),                 # value out of range
        osc_string("/kirunner/text") + osc_string(",s") + b"abcd",  # string without NUL
        osc_string("/kirunner/text") + osc_string(",s") + b"x" * 65480,  # 64 KiB without NUL
        message("/kirunner/quit"),                         # unknown address
        b"#bundle\0" + b"\0" * 8 + struct.pack(">i", len(clear)) + clear,
    ]


def main():
    port, done, what = int(sys.argv[1]), sys.argv[2], sys.argv[3:]
    with socket.socket(socket.AF_INET, socket.SOCK_DGRAM) as sender:
        if what[0] == "--flood":
            flood(sender, ("127.0.0.1", port), int(what[1]), float(what[2]), hostile_packets)
        elif what[0] == "--commands":
            flood(sender, ("127.0.0.1", port), int(what[1]), float(what[2]), valid_commands)
            sender.sendto(message("/kirunner/cutin", "s:last", "i:5"), ("127.0.0.1", port))
        else:
            sender.sendto(message(what[0], *what[1:]), ("127.0.0.1", port))
    open(done, "w").close()


def valid_commands():
    return [message("/kirunner/cutin", f"s:cut {n}", "i:5") for n in range(50)] + [message("/kirunner/show", "i:1")]


def flood(sender, target, rate, seconds, kinds):
    packets = kinds()
    start = time.monotonic()
    sent = 0
    while time.monotonic() - start < seconds:
        due = int((time.monotonic() - start) * rate)
        while sent < due:
            sender.sendto(packets[sent % len(packets)], target)
            sent += 1
        time.sleep(0.001)
    print(f"sent {sent} packets in {time.monotonic() - start:.2f} s", file=sys.stderr)


if __name__ == "__main__":
    main()
