#!/usr/bin/env python3
"""A game's socket server for the e2e runs, on every address of its host: it
answers a socket policy request ("<policy-file-request/>" and a zero byte) on
the policy port and on the game port, allowing any movie to the game port;
on the game port it answers each zero-terminated message with "eco:<message>"
and a zero byte. Each event is written to the log, flushed at once.
Usage: servidor_sockets.py <policy port> <game port> <log>"""
import socketserver
import sys
import threading

porta_politica, porta_jogo = int(sys.argv[1]), int(sys.argv[2])
registro = open(sys.argv[3], "a", buffering=1)
pedido = b"<policy-file-request/>\0"
politica = (b'<cross-domain-policy><allow-access-from domain="*" to-ports="%d"/></cross-domain-policy>\0'
            % porta_jogo)


class TConexao(socketserver.BaseRequestHandler):
    def handle(self):
        recebido = b""
        porta = self.server.server_address[1]
        while True:
            dados = self.request.recv(4096)
            if not dados:
                registro.write(f"{porta} closed\n")
                return
            recebido += dados
            if recebido.startswith(pedido):
                registro.write(f"{porta} policy\n")
                self.request.sendall(politica)
                return
            if porta != porta_jogo:
                return
            while b"\0" in recebido:
                mensagem, recebido = recebido.split(b"\0", 1)
                registro.write(f"{porta} message {mensagem.decode(errors='replace')}\n")
                self.request.sendall(b"eco:" + mensagem + b"\0")


class TServidor(socketserver.ThreadingTCPServer):
    allow_reuse_address = True
    daemon_threads = True


for porta in (porta_politica, porta_jogo):
    servidor = TServidor(("0.0.0.0", porta), TConexao)
    threading.Thread(target=servidor.serve_forever, daemon=True).start()
threading.Event().wait()
