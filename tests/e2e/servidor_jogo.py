#!/usr/bin/env python3
"""A game host for the e2e runs: serves a folder on 127.0.0.1:<port> and, as a
game's site does at login, gives a session cookie (kept for an hour) to a
request that brings none. Each request is written to the log as
"<path><TAB><Cookie header>", flushed at once.
Usage: servidor_jogo.py <folder> <port> <log> [address, 127.0.0.1 unless given]"""
import functools
import http.server
import sys

pasta, porta, registro = sys.argv[1], int(sys.argv[2]), open(sys.argv[3], "a", buffering=1)


class TAnfitriao(http.server.SimpleHTTPRequestHandler):
    def end_headers(self):
        if not self.headers.get("Cookie"):
            self.send_header("Set-Cookie", "sessao=e2e-7f3a; Max-Age=3600; Path=/")
        super().end_headers()

    def do_GET(self):
        registro.write(f"{self.path}\t{self.headers.get('Cookie', '')}\n")
        super().do_GET()


endereco = sys.argv[4] if len(sys.argv) > 4 else "127.0.0.1"
http.server.ThreadingHTTPServer((endereco, porta),
                                functools.partial(TAnfitriao, directory=pasta)).serve_forever()
