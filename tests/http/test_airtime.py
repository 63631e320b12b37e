"""Captions' time on air end to end, against the real program (with-program.sh): a window that
opens and closes within the test, a caption with two plays, daily hours across midnight with a
weekday read by the program's own clock, and the API's schedule fields as they move (the
refusals of a bad schedule are the HTTP surface's unit test's)."""
import datetime
import os
import socket
import threading
import time
import unittest

from remote_client import Remote

FORM = "%Y-%m-%d %H:%M"
KEEPER = 3  # 「Welcome to the show」, ten minutes: keeps lane 1 passing while the others wait


class Recorder:
    """A stream's events as they arrive, (wall-clock arrival, document), read on a thread."""

    def __init__(self, remote, target, token=True):
        self.reader = remote.events(590, target, token=token)
        self.events = []
        self.thread = threading.Thread(target=self._read, daemon=True)
        self.thread.start()

    def _read(self):
        for _, _, _, document in self.reader:
            self.events.append((time.time(), document))

    def close(self):
        try:
            self.reader.connection.shutdown(socket.SHUT_RDWR)
        except OSError:
            pass
        self.thread.join(10)
        self.reader.close()

    def first(self, holds, seconds, what):
        """The first event whose document holds, waiting `seconds` at most for it."""
        until = time.monotonic() + seconds
        while True:
            found = next((event for event in list(self.events) if holds(event[1])), None)
            if found or time.monotonic() > until:
                break
            time.sleep(0.1)
        if not found:
            raise AssertionError(f"no event within {seconds} s where {what}")
        return found


def entries(overlay):
    """The captions that entered the lane, each once: (arrival, text)."""
    seen = {}
    for arrival, document in list(overlay.events):
        caption = document["caption"]
        if caption and caption["text"] and caption["entry"] not in seen:
            seen[caption["entry"]] = (arrival, caption["text"])
    return sorted(seen.values())


def item(state, caption_id):
    return next((r for r in state["rows"] if r.get("id") == caption_id), {})


def course(events, caption_id, members):
    """The row's members through the events from its going on air on, each change once."""
    changes = []
    for _, state in list(events.events):
        row = item(state, caption_id)
        values = tuple(row.get(m) for m in members)
        if (changes or row.get("onAir")) and (not changes or changes[-1] != values):
            changes.append(values)
    return changes


@unittest.skipUnless(os.environ.get("KIRUNNER_VIEW_KEY"), "needs the real program (with-program.sh)")
class AirTime(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.remote = Remote(os.environ["KIRUNNER_URL"], os.environ["KIRUNNER_TOKEN"])

    def setUp(self):
        self.remote.clear_now()
        self.remote.strip(True)
        self.streams = []

    def tearDown(self):
        for stream in self.streams:
            stream.close()

    def record(self, target, token=True):
        self.streams.append(Recorder(self.remote, target, token))
        return self.streams[-1]

    def overlay(self):
        return self.record(f"/api/overlay?lane=1&view={os.environ['KIRUNNER_VIEW_KEY']}", token=False)

    def add(self, text, schedule):
        """Appends a list entry with its time on air: its number and its id."""
        state = self.remote.call("POST", "/api/items", {"text": text, "minutes": 10, "schedule": schedule})
        added = [r for r in state["rows"] if r["kind"] == "item"][-1]
        self.assertEqual((added["text"], added["schedule"]), (text, schedule))
        return int(added["number"]), added["id"]

    def test_daily_hours_after_midnight_count_on_the_day_they_began(self):
        now = datetime.datetime.now()
        # From 23:56 on no hours leave room after the present minute before they end: wait for the next day.
        if now.hour == 23 and now.minute >= 56:
            time.sleep((now.replace(hour=0, minute=0, second=2) + datetime.timedelta(days=1) - now).total_seconds())
            now = datetime.datetime.now()
        # Hours that began yesterday and hold the present minute after their midnight; today's begin later.
        end = min(now.hour * 60 + now.minute + 30, 23 * 60 + 58)
        hours = f"{(end + 1) // 60:02}:{(end + 1) % 60:02}-{end // 60:02}:{end % 60:02}"
        yesterday, today = (now - datetime.timedelta(days=1)).isoweekday(), now.isoweekday()
        overlay = self.overlay()
        c_number, c_id = self.add("昨日からの夜の部", {"hours": hours, "days": str(yesterday)})
        d_number, d_id = self.add("今日の夜の部", {"hours": hours, "days": str(today)})
        self.remote.show(c_number)
        state = self.remote.show(d_number)
        c, d = item(state, c_id), item(state, d_id)
        self.assertEqual((c["onAir"], c["waiting"]), (True, False), c)
        self.assertEqual((d["onAir"], d["waiting"], d["opensAt"]), (True, True, now.strftime("%Y-%m-%d ") + hours[:5]), d)
        overlay.first(lambda o: (o["caption"] or {}).get("text") == "昨日からの夜の部", 60, "the open one entered")
        self.assertNotIn("今日の夜の部", [text for _, text in entries(overlay)], "the waiting one never entered")

    def test_a_window_opens_and_closes_and_plays_run_out(self):
        r = self.remote
        overlay, events = self.overlay(), self.record("/api/events")
        overlay.first(lambda o: True, 10, "the overlay stream began")
        # Opens at the next minute, or the one after when this one has less than 15 s left.
        start = (datetime.datetime.now() + datetime.timedelta(seconds=75)).replace(second=0, microsecond=0)
        window = {"from": start.strftime(FORM), "until": (start + datetime.timedelta(minutes=1)).strftime(FORM)}
        a_number, a_id = self.add("A 時間の知らせ", window)
        b_number, b_id = self.add("B 二回の宣伝", {"plays": 2})
        r.show(KEEPER)
        r.show(b_number)
        a = item(r.show(a_number), a_id)
        self.assertEqual((a["onAir"], a["waiting"], a["opensAt"]), (True, True, window["from"]), a)

        over = events.first(lambda s: item(s, a_id).get("over"), start.timestamp() + 120 - time.time(), "A is over")
        shown = [(arrival, text) for arrival, text in entries(overlay) if arrival < over[0]]
        a_arrivals = [arrival for arrival, text in shown if text.startswith("A ")]
        self.assertTrue(a_arrivals, "A entered")
        self.assertGreaterEqual(a_arrivals[0], start.timestamp(), "A entered only once its window opened")
        passed = [text for arrival, text in shown if start.timestamp() <= arrival < a_arrivals[0]]
        self.assertEqual(len(passed), len(set(passed)), f"A joined within one pass after it opened: {passed}")
        last = max(o["caption"]["entry"] for _, o in list(overlay.events) if o["caption"])
        overlay.first(lambda o: (o["caption"] or {}).get("entry", 0) >= last + 2, 60, "two more captions entered")
        self.assertNotIn("A ", [text[:2] for arrival, text in entries(overlay) if arrival >= over[0]], "A left")
        self.assertEqual(course(events, a_id, ("onAir", "waiting", "over")),
                         [(True, True, None), (True, False, None), (False, False, True)])

        self.assertEqual([text for _, text in entries(overlay)].count("B 二回の宣伝"), 2, "B entered twice")
        self.assertEqual(course(events, b_id, ("onAir", "playsLeft", "over")),
                         [(True, 2, None), (True, 1, None), (False, None, True)])


if __name__ == "__main__":
    unittest.main()
