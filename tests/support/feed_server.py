#!/usr/bin/env python3
"""Serves the data-source fetch tests on 127.0.0.1: HTTP on one port, HTTPS with a self-signed
certificate (made with openssl for this run) on another.

  feed_server.py FOLDER [LIFETIME]
Writes FOLDER/ports ("<http port> <https port>") once it listens, counts the conditional requests
of /feed in FOLDER/conditional, and ends when FOLDER/stop appears or after LIFETIME seconds (two
minutes unless given).

  /feed        200 with an ETag and Last-Modified; 304 to a request that sends them back
  /error       500
  /drop        closes the connection without an answer
  /loop        redirects to itself
  /tofile      redirects to file:///C:/windows/win.ini
  /tohttp      (HTTPS only) redirects to http://
  /relative    redirects to "feed" (a relative Location)
  /tounspecified redirects to /feed on 0.0.0.0
  /slowhop/N   waits 1.5 s, then redirects to /slowhop/N+1
  /big         50 MB with its Content-Length; /bigstream the same without one
  /hang        answers nothing for 30 s
  /changing    an RSS feed of 20 items that moves on by one item with every request (the
               oldest leaves, a new one comes), never answered with 304
  /doc/NAME    FOLDER/doc/NAME as it is now (the test changes it), with an ETag of its bytes and
               its Last-Modified; 304 to a request that sends the ETag back, each counted as a
               line of FOLDER/conditional-NAME. While FOLDER/doc/NAME.fail holds "500" or "drop",
               that is the answer instead; FOLDER/doc/NAME.type, its Content-Type.
"""
import email.utils
import hashlib
import http.server
import os
import socketserver
import ssl
import subprocess
import sys
import threading
import time

FEED = (b'<?xml version="1.0" encoding="UTF-8"?><rss version="2.0"><channel><title>t</title>'
        b'<item><title>First</title><guid>g1</guid></item>'
        b'<item><title>Second</title><guid>g2</guid></item></channel></rss>')
ETAG = '"v1"'
MODIFIED = 'Mon, 01 Jan 2024 00:00:00 GMT'
BIG = 50 * 1024 * 1024
LIFETIME = 120
TYPES = {".rss": "application/rss+xml", ".atom": "application/atom+xml", ".xml": "application/xml",
         ".json": "application/json", ".csv": "text/csv; charset=utf-8", ".txt": "text/plain; charset=utf-8"}


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    folder = "."
    other_port = 0
    requests = 0
    lock = threading.Lock()

    def log_message(self, *args):
        pass

    def answer(self, status, body=b"", headers=()):
        self.send_response(status)
        for name, value in headers:
            self.send_header(name, value)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def redirect(self, location):
        self.answer(302, headers=[("Location", location)])

    def document(self, name):
        if "/" in name or name.startswith("."):
            return self.answer(404)
        path = os.path.join(self.folder, "doc", name)
        failure = ""
        if os.path.exists(path + ".fail"):
            with open(path + ".fail") as fail:
                failure = fail.read().strip()
        if failure == "500":
            return self.answer(500, b"broken")
        if failure == "drop":
            self.close_connection = True
            self.connection.shutdown(2)
            return None
        try:
            with open(path, "rb") as doc:
                body = doc.read()
            modified = email.utils.formatdate(os.path.getmtime(path), usegmt=True)
        except OSError:
            return self.answer(404)
        etag = '"%s"' % hashlib.sha1(body).hexdigest()[:16]
        if self.headers.get("If-None-Match") == etag:
            with open(os.path.join(self.folder, "conditional-" + name), "a") as log:
                log.write("1\n")
            return self.answer(304, headers=[("ETag", etag)])
        kind = TYPES.get(os.path.splitext(name)[1], "application/octet-stream")
        if os.path.exists(path + ".type"):
            with open(path + ".type") as declared:
                kind = declared.read().strip()
        return self.answer(200, body, [("Content-Type", kind), ("ETag", etag), ("Last-Modified", modified)])

    def do_GET(self):
        path = self.path
        if path.startswith("/doc/"):
            self.document(path[len("/doc/"):])
        elif path == "/changing":
            with Handler.lock:
                Handler.requests += 1
                first = Handler.requests
            items = "".join("<item><title>News item %d</title><guid>n%d</guid></item>" % (n, n)
                            for n in range(first + 19, first - 1, -1))
            body = ('<?xml version="1.0" encoding="UTF-8"?><rss version="2.0"><channel><title>t</title>%s'
                    '</channel></rss>' % items).encode("utf-8")
            self.answer(200, body, [("Content-Type", "application/rss+xml")])
        elif path == "/feed":
            with open(os.path.join(self.folder, "agent"), "w") as agent:
                agent.write(self.headers.get("User-Agent", ""))
            if self.headers.get("If-None-Match") == ETAG and self.headers.get("If-Modified-Since") == MODIFIED:
                with open(os.path.join(self.folder, "conditional"), "a") as log:
                    log.write("1\n")
                self.answer(304, headers=[("ETag", ETAG)])
            else:
                self.answer(200, FEED, [("Content-Type", "application/rss+xml"), ("ETag", ETAG),
                                        ("Last-Modified", MODIFIED)])
        elif path == "/error":
            self.answer(500, b"broken")
        elif path == "/drop":
            self.close_connection = True
            self.connection.shutdown(2)
        elif path == "/loop":
            self.redirect("/loop")
        elif path == "/tofile":
            self.redirect("file:///C:/windows/win.ini")
        elif path == "/tohttp":
            self.redirect("http://127.0.0.1:%d/feed" % self.other_port)
        elif path == "/relative":
            self.redirect("feed")
        elif path == "/tounspecified":
            self.redirect("http://0.0.0.0:%d/feed" % self.other_port)
        elif path.startswith("/slowhop/"):
            time.sleep(1.5)
            self.redirect("/slowhop/%d" % (int(path[len("/slowhop/"):] or "0") + 1))
        elif path in ("/big", "/bigstream"):
            self.send_response(200)
            if path == "/big":
                self.send_header("Content-Length", str(BIG))
            else:
                self.close_connection = True
            self.end_headers()
            block = b"x" * 65536
            try:
                for _ in range(BIG // len(block)):
                    self.wfile.write(block)
            except OSError:
                pass  # the client stopped reading, as it should
        elif path == "/hang":
            time.sleep(30)
        else:
            self.answer(404)


class Server(socketserver.ThreadingMixIn, http.server.HTTPServer):
    daemon_threads = True


def main():
    folder = sys.argv[1]
    lifetime = int(sys.argv[2]) if len(sys.argv) > 2 else LIFETIME
    Handler.folder = folder
    os.makedirs(os.path.join(folder, "doc"), exist_ok=True)
    plain = Server(("127.0.0.1", 0), Handler)
    secure = Server(("127.0.0.1", 0), Handler)
    key, cert = os.path.join(folder, "key.pem"), os.path.join(folder, "cert.pem")
    subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", key, "-out", cert,
                    "-days", "1", "-subj", "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1"],
                   check=True, capture_output=True)
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(cert, key)
    secure.socket = context.wrap_socket(secure.socket, server_side=True)
    Handler.other_port = plain.server_address[1]
    for server in (plain, secure):
        threading.Thread(target=server.serve_forever, daemon=True).start()
    with open(os.path.join(folder, "ports.tmp"), "w") as ports:
        ports.write("%d %d" % (plain.server_address[1], secure.server_address[1]))
    os.replace(os.path.join(folder, "ports.tmp"), os.path.join(folder, "ports"))
    ends = time.time() + lifetime
    while time.time() < ends and not os.path.exists(os.path.join(folder, "stop")):
        time.sleep(0.1)


if __name__ == "__main__":
    main()
