#!/usr/bin/env python3
"""A web server for the download tests, serving the current folder on
127.0.0.1: plain files as any server does, and, for a path ending in
"?gzip", the file compressed with Content-Encoding: gzip (Content-Length then
counts the compressed bytes, as real servers send it); under "/lento/", a
server that starts the answer and then stops sending, as a stalled network."""
import gzip
import http.server
import os
import sys
import time


class Handler(http.server.SimpleHTTPRequestHandler):
    def do_GET(self):
        path, _, query = self.path.partition("?")
        if path.startswith("/lento/"):
            self.send_response(200)
            self.send_header("Content-Type", "text/plain")
            self.send_header("Content-Length", "100000")
            self.end_headers()
            self.wfile.write(b"= Primera ")
            self.wfile.flush()
            time.sleep(30)
            return
        if query != "gzip":
            return super().do_GET()
        name = os.path.join(os.getcwd(), path.lstrip("/"))
        if not os.path.isfile(name):
            return self.send_error(404)
        with open(name, "rb") as f:
            body = gzip.compress(f.read())
        self.send_response(200)
        self.send_header("Content-Type", "text/plain")
        self.send_header("Content-Encoding", "gzip")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *args):
        pass


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
print(f"Serving HTTP on 127.0.0.1 port {server.server_address[1]} (http://127.0.0.1:{server.server_address[1]}/) ...")
sys.stdout.flush()
server.serve_forever()
