#!/usr/bin/env python3
"""A stand-in for the LRCLIB lyrics service on loopback, for tests.

Prints its port on the first line of standard output, then serves:
  /api/search?q=KEY   records whose artist or title contains KEY (see SONGS);
                      "empty" -> [], "error" -> 500, "stall" -> no answer, "junk" -> not JSON
  /api/get/ID         one record, 404 when unknown
  /api/get?artist_name=&track_name=&album_name=&duration=   exact match or 404
  /big                5 MB of text (a download past any sane lyrics size)
  /update.inf         the update file of the site: this release's date
  /last-agent         the User-Agent of the last request
  /last-path          the path of the last request
  /last-search        the key of the last search
"""
import json
import sys
import time
import urllib.parse
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

SYNCED_A = "[00:01.00]First line of the sun\n[00:04.50]Second line of the sun\n"
SYNCED_B = "[00:02.00]Moon rises\n[00:05.00]Moon sets\n"
SONGS = [
    # Plain-only record first: the page must still list the synced ones before it.
    {"id": 11, "trackName": "Sun Song", "artistName": "Plain Band", "albumName": "Words",
     "duration": 200.0, "instrumental": False, "plainLyrics": "Only words\nNo times", "syncedLyrics": None},
    {"id": 12, "trackName": "Sun Song", "artistName": "Tone Makers", "albumName": "Daylight",
     "duration": 185.4, "instrumental": False, "plainLyrics": "First line of the sun\nSecond line of the sun",
     "syncedLyrics": SYNCED_A},
    {"id": 13, "trackName": "Instrumental Sun", "artistName": "Quiet", "albumName": "",
     "duration": 60.0, "instrumental": True, "plainLyrics": None, "syncedLyrics": None},
    {"id": 14, "trackName": "Sun & Moon #1", "artistName": "Tone Makers", "albumName": "Night",
     "duration": 3.0, "instrumental": False, "plainLyrics": "Moon rises\nMoon sets", "syncedLyrics": SYNCED_B},
]
last_agent = ""
last_search = ""
last_path = ""


class Handler(BaseHTTPRequestHandler):
    def log_message(self, *args):
        pass

    def send(self, status, body, kind="application/json"):
        data = body if isinstance(body, bytes) else body.encode("utf-8")
        self.send_response(status)
        self.send_header("Content-Type", kind)
        self.send_header("Content-Length", str(len(data)))
        self.end_headers()
        self.wfile.write(data)

    def do_GET(self):
        global last_agent, last_search, last_path
        url = urllib.parse.urlsplit(self.path)
        query = urllib.parse.parse_qs(url.query, keep_blank_values=True)
        if not url.path.startswith("/last-"):
            last_agent = self.headers.get("User-Agent", "")
            last_path = url.path
        if url.path == "/last-path":
            return self.send(200, last_path, "text/plain")
        if url.path == "/update.inf":
            return self.send(200, "[update]\ndate=2002-10-8\npage=download/\n", "text/plain")
        if url.path == "/last-agent":
            return self.send(200, last_agent, "text/plain")
        if url.path == "/last-search":
            return self.send(200, last_search, "text/plain")
        if url.path == "/big":
            return self.send(200, b"[00:00.00]x\n" * (5 * 1024 * 1024 // 12 + 1), "text/plain")
        if url.path == "/api/search":
            key = query.get("q", [""])[0]
            last_search = key
            if key == "error":
                return self.send(500, '{"message":"internal"}')
            if key == "stall":
                time.sleep(30)
                return
            if key == "junk":
                return self.send(200, "<html>not json</html>", "text/html")
            found = [s for s in SONGS if key and (key.lower() in s["trackName"].lower()
                                                  or key.lower() in s["artistName"].lower())]
            return self.send(200, json.dumps(found))
        if url.path.startswith("/api/get/"):
            try:
                wanted = int(url.path.rsplit("/", 1)[1])
            except ValueError:
                wanted = -1
            for s in SONGS:
                if s["id"] == wanted:
                    return self.send(200, json.dumps(s))
            return self.send(404, '{"message":"not found"}')
        if url.path == "/api/get":
            artist = query.get("artist_name", [""])[0]
            title = query.get("track_name", [""])[0]
            for s in SONGS:
                if s["artistName"] == artist and s["trackName"] == title:
                    return self.send(200, json.dumps(s))
            return self.send(404, '{"message":"not found"}')
        self.send(404, "{}")


def main():
    server = ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True
    print(server.server_address[1], flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass


if __name__ == "__main__":
    sys.exit(main())
