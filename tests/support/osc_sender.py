#!/usr/bin/env python3
"""Sends OSC 1.0 messages over UDP to 127.0.0.1, as a show-control system does.

  osc_sender.py PORT ADDRESS [ARG ...]   one message; an ARG is i:<int>, f:<float> or s:<UTF-8 text>
  osc_sender.py PORT --flood RATE SECONDS  hostile packets at RATE a second for SECONDS, then ends
"""
import socket
import struct
import sys
import time


def osc_string(text):
    data = text.encode("utf-8") + b"\0"
    return data + b"\0" * (-len(data) % 4)


def message(address, *arguments):
    tags = ","
    payload = b""
    for argument in arguments:
        kind, _, value = argument.partition(":")
        tags += kind
        if kind == "i":
            payload += struct.pack(">i", int(value))
        elif kind == "f":
            payload += struct.pack(">f", float(value))
        else:
            payload += osc_string(value)
    return osc_string(address) + osc_string(tags) + payload


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
    port = int(sys.argv[1])
    sender = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
    target = ("127.0.0.1", port)
    if sys.argv[2] != "--flood":
        sender.sendto(message(sys.argv[2], *sys.argv[3:]), target)
        return
    rate, seconds = int(sys.argv[3]), float(sys.argv[4])
    packets = hostile_packets()
    start = time.monotonic()
    sent = 0
    while time.monotonic() - start < seconds:
        due = int((time.monotonic() - start) * rate)
        while sent < due:
            sender.sendto(packets[sent % len(packets)], target)
            sent += 1
        time.sleep(0.001)
    print(f"sent {sent} packets in {time.monotonic() - start:.2f} s")


if __name__ == "__main__":
    main()
