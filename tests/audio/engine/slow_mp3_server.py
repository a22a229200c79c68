#!/usr/bin/env python3
"""Serves one MP3 file over HTTP on 127.0.0.1 at a limited rate, like a radio
stream: no length header, sent in small slices. Prints the port it listens on.

usage: slow_mp3_server.py FILE BYTES_PER_SECOND [CUT_AFTER_BYTES [stall]]
With CUT_AFTER_BYTES the connection is closed after that many bytes; with
"stall" it is kept open without sending anything more."""
import http.server
import sys
import time

path = sys.argv[1]
rate = int(sys.argv[2])
cut = int(sys.argv[3]) if len(sys.argv) > 3 else -1
stall = len(sys.argv) > 4 and sys.argv[4] == "stall"
with open(path, "rb") as f:
    data = f.read()


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.0"

    def do_GET(self):
        self.send_response(200)
        self.send_header("Content-Type", "audio/mpeg")
        self.end_headers()
        limit = len(data) if cut < 0 else min(cut, len(data))
        step = max(rate // 20, 1)
        sent = 0
        try:
            while sent < limit:
                chunk = data[sent:min(sent + step, limit)]
                self.wfile.write(chunk)
                self.wfile.flush()
                sent += len(chunk)
                time.sleep(0.05)
            while stall:
                time.sleep(1)
        except (BrokenPipeError, ConnectionResetError):
            pass

    def log_message(self, *args):
        pass


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
server.daemon_threads = True
print(server.server_address[1], flush=True)
server.serve_forever()
