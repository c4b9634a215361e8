#!/usr/bin/env python3
"""Loopback HTTP server for the download tests and benchmarks.

Serves the files of one folder on 127.0.0.1 at a free port and prints the
port on its first line of output. Two path prefixes change the answer:
  /cut/<name>   announces the whole file but sends only half of it, then
                closes the connection (a broken download);
  /slow/<name>  sends half, waits a moment, then sends the rest.
"""
import http.server
import os
import sys
import threading
import time
import urllib.parse


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def do_GET(self):
        path = urllib.parse.unquote(self.path.split("?", 1)[0])
        mode = ""
        for prefix in ("/cut/", "/slow/"):
            if path.startswith(prefix):
                mode = prefix.strip("/")
                path = "/" + path[len(prefix):]
        name = os.path.normpath(os.path.join(self.server.root, path.lstrip("/")))
        if not name.startswith(self.server.root + os.sep) or not os.path.isfile(name):
            body = b"<html><body>404 Not Found</body></html>"
            self.send_response(404)
            self.send_header("Content-Type", "text/html")
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            self.wfile.write(body)
            return
        with open(name, "rb") as f:
            data = f.read()
        self.send_response(200)
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("Content-Length", str(len(data)))
        if mode == "cut":
            self.send_header("Connection", "close")
        self.end_headers()
        half = len(data) // 2
        if mode == "cut":
            self.wfile.write(data[:half])
            self.wfile.flush()
            self.close_connection = True
            return
        if mode == "slow":
            self.wfile.write(data[:half])
            self.wfile.flush()
            time.sleep(0.3)
            self.wfile.write(data[half:])
            return
        self.wfile.write(data)


def exit_with_parent():
    """Ends the server when the test that started it is gone (stdin closes)."""
    sys.stdin.read()
    os._exit(0)


def main():
    root = os.path.realpath(sys.argv[1])
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.root = root
    server.daemon_threads = True
    print(server.server_address[1], flush=True)
    threading.Thread(target=exit_with_parent, daemon=True).start()
    server.serve_forever()


if __name__ == "__main__":
    main()
