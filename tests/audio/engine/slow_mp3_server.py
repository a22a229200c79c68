#!/usr/bin/env python3
"""Serves one file over HTTP on 127.0.0.1 at a limited rate, like a radio
stream: no length header, sent in small slices, on any path. Prints the port
it listens on.

usage: slow_mp3_server.py FILE BYTES_PER_SECOND [CUT_AFTER_BYTES [stall]]
                          [--type CONTENT_TYPE] [--icy METAINT TITLE...]
                          [--icy-always] [--icy-http]
With CUT_AFTER_BYTES (-1: none) the connection is closed after that many
bytes; with "stall" it is kept open without sending anything more.

--icy answers as an internet radio server does: the status line "ICY 200 OK"
and, when the client asks for it ("Icy-MetaData: 1"), an "icy-metaint" header
and a metadata block after every METAINT bytes of audio. Each block names the
next of the TITLEs in turn (StreamTitle='...';). --icy-always sends the blocks
even to a client that did not ask for them; --icy-http answers with the
ordinary status line "HTTP/1.0 200 OK" (the ICY headers stay)."""
import http.server
import sys
import time

args = sys.argv[1:]
content_type = "audio/mpeg"
icy_metaint = 0
icy_titles = []
icy_always = False
icy_http = False
positional = []
i = 0
while i < len(args):
    if args[i] == "--type":
        content_type = args[i + 1]
        i += 2
    elif args[i] == "--icy":
        icy_metaint = int(args[i + 1])
        i += 2
        while i < len(args) and not args[i].startswith("--"):
            icy_titles.append(args[i])
            i += 1
    elif args[i] == "--icy-always":
        icy_always = True
        i += 1
    elif args[i] == "--icy-http":
        icy_http = True
        i += 1
    else:
        positional.append(args[i])
        i += 1

path = positional[0]
rate = int(positional[1])
cut = int(positional[2]) if len(positional) > 2 else -1
stall = len(positional) > 3 and positional[3] == "stall"
with open(path, "rb") as f:
    data = f.read()


def metadata_block(title):
    text = ("StreamTitle='%s';" % title).encode("utf-8")
    length = (len(text) + 15) // 16
    return bytes([length]) + text.ljust(length * 16, b"\0")


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.0"

    def do_GET(self):
        metaint = 0
        if icy_metaint:
            asked = self.headers.get("Icy-MetaData", "") == "1"
            if asked or icy_always:
                metaint = icy_metaint
            status = "HTTP/1.0 200 OK" if icy_http else "ICY 200 OK"
            head = status + "\r\nContent-Type: %s\r\nicy-name: Test Radio\r\n" % content_type
            if metaint:
                head += "icy-metaint: %d\r\n" % metaint
            self.wfile.write((head + "\r\n").encode("latin-1"))
        else:
            self.send_response(200)
            self.send_header("Content-Type", content_type)
            self.end_headers()
        limit = len(data) if cut < 0 else min(cut, len(data))
        step = max(rate // 20, 1)
        sent = 0
        since_meta = 0
        title_index = 0
        try:
            while sent < limit:
                chunk = data[sent:min(sent + step, limit)]
                sent += len(chunk)
                out = b""
                while metaint and since_meta + len(chunk) >= metaint:
                    take = metaint - since_meta
                    out += chunk[:take]
                    chunk = chunk[take:]
                    title = icy_titles[title_index % len(icy_titles)] if icy_titles else ""
                    title_index += 1
                    out += metadata_block(title) if title else b"\0"
                    since_meta = 0
                out += chunk
                since_meta += len(chunk)
                self.wfile.write(out)
                self.wfile.flush()
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
