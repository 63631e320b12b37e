"""OSC feedback to a control surface: a listener on 127.0.0.1 receives, in order, what each
change of the show tells."""
import socket
import struct
import time
import unittest

from host import Host, free_port


def decode(packet):
    """An OSC message of integer arguments as (address, (int, ...))."""
    def string(at):
        end = packet.index(b"\0", at)
        return packet[at:end].decode(), (end + 4) & ~3
    address, at = string(0)
    tags, at = string(at)
    assert tags[0] == "," and set(tags[1:]) <= {"i"}, tags
    values = struct.unpack(">" + "i" * (len(tags) - 1), packet[at:])
    return address, values


class Feedback(unittest.TestCase):
    def setUp(self):
        self.listener = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
        port = free_port(socket.SOCK_DGRAM)
        self.listener.bind(("127.0.0.1", port))
        self.host = Host("--osc-feedback", f"127.0.0.1:{port}").__enter__()
        if self.host.real:
            self.skipTest("the real program's feedback target is its own setting")

    def tearDown(self):
        self.host.__exit__(None, None, None)
        self.listener.close()

    def expect(self, *wanted, seconds=5):
        """Receives until the wanted messages came in this order; the time left of entries on air
        may come between them, anything else may not."""
        wanted = list(wanted)
        until = time.monotonic() + seconds
        while wanted:
            self.listener.settimeout(max(0.01, until - time.monotonic()))
            try:
                message = decode(self.listener.recv(65536))
            except socket.timeout:
                self.fail(f"still waiting for {wanted}")
            if message == wanted[0]:
                wanted.pop(0)
            else:
                self.assertEqual(message[0], "/kirunner/timeleft", f"{message} before {wanted[0]}")

    def test_each_change_is_told_in_order(self):
        remote = self.host.remote()
        self.expect(("/kirunner/strip", (1,)), ("/kirunner/cutin", (0,)),
                    ("/kirunner/onair", (1, 0)), ("/kirunner/onair", (2, 0)), ("/kirunner/onair", (3, 0)))
        steps = [
            (lambda: remote.show(2), [("/kirunner/onair", (2, 1)), ("/kirunner/timeleft", (2, 180))]),
            (lambda: None, [("/kirunner/timeleft", (2, 179)), ("/kirunner/timeleft", (2, 178))]),
            (lambda: remote.cut_in("割り込み"), [("/kirunner/cutin", (1,))]),
            (lambda: remote.end_cut_in(), [("/kirunner/cutin", (0,))]),
            (lambda: remote.strip(False), [("/kirunner/strip", (0,))]),
            (lambda: remote.strip(True), [("/kirunner/strip", (1,))]),
            (lambda: self.host.operate("hide 2"), [("/kirunner/onair", (2, 0)), ("/kirunner/timeleft", (2, 0))]),
            (lambda: remote.show(3), [("/kirunner/onair", (3, 1)), ("/kirunner/timeleft", (3, 600))]),
            (lambda: remote.delete_item(3), [("/kirunner/onair", (3, 0)), ("/kirunner/timeleft", (3, 0))]),
        ]
        for act, told in steps:
            act()
            self.expect(*told)


if __name__ == "__main__":
    unittest.main()
