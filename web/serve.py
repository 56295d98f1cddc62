#!/usr/bin/env python3
"""Serves the page's folder on this machine alone, with the types a browser
needs for WebAssembly and the manifest. Usage: serve.py <folder> [port]"""

import functools
import http.server
import sys
import threading

TYPES = {".wasm": "application/wasm", ".webmanifest": "application/manifest+json",
         ".js": "text/javascript", ".css": "text/css", ".html": "text/html; charset=utf-8"}


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map, **TYPES}
    refused = ()  # paths answered 404, to try a page whose files are missing
    held = ()  # paths answered once the server's `release` is set, to try a page before its core has come

    def do_GET(self):
        path = self.path.split("?")[0]
        self.server.asked.add(path)
        if path in self.held:
            self.server.release.wait()
        if path in self.refused:
            self.send_error(404)
        else:
            super().do_GET()

    def log_message(self, *args):
        pass


class Server(http.server.ThreadingHTTPServer):
    def handle_error(self, request, client_address):
        # A browser that leaves a page while a file is on its way is no fault.
        if not isinstance(sys.exc_info()[1], ConnectionError):
            super().handle_error(request, client_address)


def start(folder, port=0, refused=(), held=()):
    """Serves `folder` on 127.0.0.1 in a thread; returns the server (its
    server_port, its release, the paths it was asked for, its shutdown())."""
    handler = functools.partial(type("Refusing", (Handler,), {"refused": refused, "held": held}),
                                directory=folder)
    server = Server(("127.0.0.1", port), handler)
    server.release, server.asked = threading.Event(), set()
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


if __name__ == "__main__":
    port = int(sys.argv[2]) if len(sys.argv) > 2 else 8000
    server = start(sys.argv[1], port)
    print(f"Parabolix at http://127.0.0.1:{server.server_port}/ (Ctrl+C stops)", flush=True)
    try:
        threading.Event().wait()
    except KeyboardInterrupt:
        server.shutdown()
