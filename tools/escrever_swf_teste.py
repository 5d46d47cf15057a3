#!/usr/bin/env python3
"""Writes the test movies of the player, byte by byte (SWF 8, ActionScript 1).

ponte.swf plays the part of a game's loader movie on an 800 x 600 stage: at
start it asks its page for the page address and the browser identity through
ExternalInterface, shows and traces both replies. On the F key it makes the
full-screen call, on Q it shows its quality, on S it selects its text (for a
copy); every key and mouse press is shown and traced as well.

leitura.swf reads the address given in its own address's query as "alvo"
with LoadVars and sends what it read (or "undefined" when the read failed) to
the address given as "coleta", as "?d=<text>", then traces "Sent". The
player must let it read only what a web page at its address could.

estatico.swf is a still picture: one frame, its stage filled with one colour
(COR_ESTATICO), a line of text, no script running after its first frame. The
benchmarks measure what playing it costs and when its first frame shows.

link.swf opens a web address: it loads "link.txt" beside it (alvo=<address>
&janela=<target>&modo=<clique or tempo>) and traces "Ready"; then it opens
the address in the target with getURL at every mouse press, or, with modo
tempo, every 100 ms on its own, tracing "Opened <count>" each time.

rede.swf is an online game in small: it loads "rede.txt" beside it
(porta=<port>&alvo=<address>), connects an XMLSocket to its own host on that
port, sends "ola" once connected, and shows and traces "Connected: <ok>" and
"Data: <text>"; a mouse press opens the address in a window of its own.

contador.swf counts on a timer: every 100 ms it adds one and calls its page
with "tique" and the count; every fifth count it also fetches the address
given as "pulso" in its query (when there is one) with "?n=<count>". A game
hidden behind the home screen must keep doing all three.

Usage: escrever_swf_teste.py [output folder]   (default: tests/data/swf)
"""

import struct
import sys
from pathlib import Path

LARGURA, ALTURA = 800, 600
TWIPS = 20
VERSAO_SWF = 8

# Action codes of the SWF 8 bytecode used here.
STOP = 0x07
MODULO = 0x3F
INCREMENT = 0x50
NOT = 0x12
POP = 0x17
GET_VARIABLE = 0x1C
SET_VARIABLE = 0x1D
TRACE = 0x26
CALL_FUNCTION = 0x3D
NEW_OBJECT = 0x40
ADD2 = 0x47
EQUALS2 = 0x49
GET_MEMBER = 0x4E
SET_MEMBER = 0x4F
CALL_METHOD = 0x52
PUSH = 0x96
DEFINE_FUNCTION = 0x9B
IF = 0x9D
GET_URL2 = 0x9A

PEDIDO_ENDERECO = "window.location.href.toString"
PEDIDO_IDENTIDADE = "function(){return navigator.appVersion+'-'+navigator.appName;}"
PEDIDO_TELA_CHEIA = "pleinEcran"
TECLA_F = 70
TECLA_Q = 81
TECLA_S = 83
COR_ESTATICO = 0x1F7A4D
PEDIDO_TIQUE = "tique"


def texto_c(texto):
    return texto.encode("utf-8") + b"\0"


def acao(codigo, dados=b""):
    if codigo < 0x80:
        return bytes([codigo])
    return bytes([codigo]) + struct.pack("<H", len(dados)) + dados


def push(*valores):
    dados = b""
    for valor in valores:
        if valor is None:
            dados += bytes([2])
        elif isinstance(valor, bool):
            dados += bytes([5, int(valor)])
        elif isinstance(valor, int):
            dados += bytes([7]) + struct.pack("<i", valor)
        elif isinstance(valor, str):
            dados += bytes([0]) + texto_c(valor)
        else:
            raise TypeError(valor)
    return acao(PUSH, dados)


# Expressions leave one value on the stack; statements leave none.
def var(nome):
    return push(nome) + acao(GET_VARIABLE)


def membro(objeto, nome):
    return objeto + push(nome) + acao(GET_MEMBER)


def valor(v):
    return v if isinstance(v, bytes) else push(v)


def argumentos(args):
    return b"".join(valor(a) for a in reversed(args)) + push(len(args))


def chamar_metodo(objeto, metodo, *args):
    return argumentos(args) + objeto + push(metodo) + acao(CALL_METHOD)


def chamar_funcao(nome, *args):
    return argumentos(args) + push(nome) + acao(CALL_FUNCTION)


def soma(*partes):
    codigo = valor(partes[0])
    for parte in partes[1:]:
        codigo += valor(parte) + acao(ADD2)
    return codigo


def atribuir(nome, expressao):
    return push(nome) + valor(expressao) + acao(SET_VARIABLE)


def atribuir_membro(objeto, nome, expressao):
    return objeto + push(nome) + valor(expressao) + acao(SET_MEMBER)


def descartar(expressao):
    return expressao + acao(POP)


def se(condicao, corpo):
    return condicao + acao(NOT) + acao(IF, struct.pack("<h", len(corpo))) + corpo


def funcao(parametros, corpo, nome=""):
    dados = texto_c(nome) + struct.pack("<H", len(parametros))
    dados += b"".join(texto_c(p) for p in parametros) + struct.pack("<H", len(corpo))
    return acao(DEFINE_FUNCTION, dados) + corpo


def nova_instancia(classe):
    return push(0, classe) + acao(NEW_OBJECT)


def externo(nome, *args):
    ei = membro(membro(var("flash"), "external"), "ExternalInterface")
    return chamar_metodo(ei, "call", nome, *args)


def retangulo_cheio(cor):
    return b"".join(
        [
            descartar(chamar_metodo(var("_root"), "beginFill", cor)),
            descartar(chamar_metodo(var("_root"), "moveTo", 0, 0)),
            descartar(chamar_metodo(var("_root"), "lineTo", LARGURA, 0)),
            descartar(chamar_metodo(var("_root"), "lineTo", LARGURA, ALTURA)),
            descartar(chamar_metodo(var("_root"), "lineTo", 0, ALTURA)),
            descartar(chamar_metodo(var("_root"), "lineTo", 0, 0)),
            descartar(chamar_metodo(var("_root"), "endFill")),
        ]
    )


def roteiro():
    saida = var("saida")
    mostrar = funcao(
        ["linha"],
        var("linha")
        + acao(TRACE)
        + atribuir_membro(saida, "text", soma(membro(saida, "text"), var("linha"), "\n")),
        nome="mostrar",
    )
    palco = b"".join(
        [
            retangulo_cheio(0x20304A),
            descartar(chamar_metodo(var("_root"), "createTextField", "saida", 1, 20, 20, 760, 560)),
            atribuir_membro(saida, "multiline", True),
            atribuir_membro(saida, "wordWrap", True),
            atribuir_membro(saida, "textColor", 0xFFFFFF),
            atribuir_membro(saida, "text", "Quillet 6 test movie. Keys: F full screen, Q quality, S select this text.\n"),
        ]
    )
    perguntas = b"".join(
        [
            descartar(chamar_funcao("mostrar", soma("Page address: ", externo(PEDIDO_ENDERECO)))),
            descartar(chamar_funcao("mostrar", soma("Browser identity: ", externo(PEDIDO_IDENTIDADE)))),
        ]
    )
    codigo_tecla = chamar_metodo(var("Key"), "getCode")

    def na_tecla(tecla, corpo):
        return se(codigo_tecla + push(tecla) + acao(EQUALS2), corpo)

    ao_teclar = funcao(
        [],
        descartar(chamar_funcao("mostrar", soma("Key: ", codigo_tecla)))
        + na_tecla(TECLA_F, descartar(externo(PEDIDO_TELA_CHEIA, True)))
        + na_tecla(TECLA_Q, descartar(chamar_funcao("mostrar", soma("Quality: ", var("_quality")))))
        + na_tecla(
            TECLA_S,
            descartar(chamar_metodo(var("Selection"), "setFocus", saida))
            + descartar(chamar_metodo(var("Selection"), "setSelection", 0, membro(saida, "length"))),
        ),
    )
    ao_clicar = funcao([], descartar(chamar_funcao("mostrar", "Mouse down")))
    ouvintes = b"".join(
        [
            atribuir("teclado", nova_instancia("Object")),
            atribuir_membro(var("teclado"), "onKeyDown", ao_teclar),
            descartar(chamar_metodo(var("Key"), "addListener", var("teclado"))),
            atribuir("rato", nova_instancia("Object")),
            atribuir_membro(var("rato"), "onMouseDown", ao_clicar),
            descartar(chamar_metodo(var("Mouse"), "addListener", var("rato"))),
        ]
    )
    return acao(STOP) + mostrar + palco + perguntas + ouvintes + bytes([0])


def roteiro_leitura():
    raiz = var("_root")
    ao_ler = funcao(
        ["s"],
        descartar(
            chamar_metodo(
                nova_instancia("LoadVars"),
                "load",
                soma(membro(raiz, "coleta"), "?d=", chamar_funcao("escape", var("s"))),
            )
        )
        + push("Sent")
        + acao(TRACE),
    )
    return b"".join(
        [
            acao(STOP),
            atribuir("leitor", nova_instancia("LoadVars")),
            atribuir_membro(var("leitor"), "onData", ao_ler),
            descartar(chamar_metodo(var("leitor"), "load", membro(raiz, "alvo"))),
            bytes([0]),
        ]
    )


def roteiro_estatico():
    saida = var("saida")
    return b"".join(
        [
            acao(STOP),
            retangulo_cheio(COR_ESTATICO),
            descartar(chamar_metodo(var("_root"), "createTextField", "saida", 1, 20, 20, 760, 40)),
            atribuir_membro(saida, "textColor", 0xFFFFFF),
            atribuir_membro(saida, "text", "Quillet 6 static test movie"),
            bytes([0]),
        ]
    )


def roteiro_contador():
    raiz = var("_root")
    pulsar = se(
        var("n") + push(5) + acao(MODULO) + push(0) + acao(EQUALS2),
        se(
            membro(raiz, "pulso"),
            descartar(chamar_metodo(nova_instancia("LoadVars"), "load", soma(membro(raiz, "pulso"), "?n=", var("n")))),
        ),
    )
    contar = funcao(
        [],
        atribuir("n", var("n") + acao(INCREMENT)) + descartar(externo(PEDIDO_TIQUE, var("n"))) + pulsar,
    )
    return b"".join(
        [
            acao(STOP),
            retangulo_cheio(0x203040),
            atribuir("n", 0),
            descartar(chamar_funcao("setInterval", contar, 100)),
            bytes([0]),
        ]
    )


def roteiro_link():
    raiz = var("_root")
    abrir = funcao(
        [],
        membro(raiz, "alvo")
        + membro(raiz, "janela")
        + acao(GET_URL2, bytes([0]))
        + atribuir("n", var("n") + acao(INCREMENT))
        + push("Opened ")
        + var("n")
        + acao(ADD2)
        + acao(TRACE),
        nome="abrir",
    )
    esse = var("this")
    ao_carregar = funcao(
        ["ok"],
        atribuir_membro(raiz, "alvo", membro(esse, "alvo"))
        + atribuir_membro(raiz, "janela", membro(esse, "janela"))
        + se(
            membro(esse, "modo") + push("tempo") + acao(EQUALS2),
            descartar(chamar_funcao("setInterval", var("abrir"), 100)),
        )
        + push("Ready")
        + acao(TRACE),
    )
    return b"".join(
        [
            acao(STOP),
            retangulo_cheio(0x203040),
            atribuir("n", 0),
            abrir,
            atribuir("rato", nova_instancia("Object")),
            atribuir_membro(var("rato"), "onMouseDown", var("abrir")),
            descartar(chamar_metodo(var("Mouse"), "addListener", var("rato"))),
            atribuir("leitor", nova_instancia("LoadVars")),
            atribuir_membro(var("leitor"), "onLoad", ao_carregar),
            descartar(chamar_metodo(var("leitor"), "load", "link.txt")),
            bytes([0]),
        ]
    )


def roteiro_rede():
    raiz = var("_root")
    saida = var("saida")
    socket = var("socket")
    mostrar = funcao(
        ["linha"],
        var("linha") + acao(TRACE) + atribuir_membro(saida, "text", soma(membro(saida, "text"), var("linha"), "\n")),
        nome="mostrar",
    )
    ao_conectar = funcao(
        ["ok"],
        descartar(chamar_funcao("mostrar", soma("Connected: ", var("ok"))))
        + se(var("ok"), descartar(chamar_metodo(socket, "send", "ola"))),
    )
    ao_receber = funcao(["d"], descartar(chamar_funcao("mostrar", soma("Data: ", var("d")))))
    esse = var("this")
    ao_carregar = funcao(
        ["ok"],
        atribuir_membro(raiz, "alvo", membro(esse, "alvo"))
        + atribuir("socket", nova_instancia("XMLSocket"))
        + atribuir_membro(socket, "onConnect", ao_conectar)
        + atribuir_membro(socket, "onData", ao_receber)
        + descartar(chamar_metodo(socket, "connect", None, chamar_funcao("Number", membro(esse, "porta")))),
    )
    abrir = funcao([], membro(raiz, "alvo") + push("_blank") + acao(GET_URL2, bytes([0])))
    return b"".join(
        [
            acao(STOP),
            mostrar,
            retangulo_cheio(0x20304A),
            descartar(chamar_metodo(var("_root"), "createTextField", "saida", 1, 20, 20, 760, 560)),
            atribuir_membro(saida, "multiline", True),
            atribuir_membro(saida, "textColor", 0xFFFFFF),
            atribuir_membro(saida, "text", "Quillet 6 online test movie\n"),
            atribuir("rato", nova_instancia("Object")),
            atribuir_membro(var("rato"), "onMouseDown", abrir),
            descartar(chamar_metodo(var("Mouse"), "addListener", var("rato"))),
            atribuir("leitor", nova_instancia("LoadVars")),
            atribuir_membro(var("leitor"), "onLoad", ao_carregar),
            descartar(chamar_metodo(var("leitor"), "load", "rede.txt")),
            bytes([0]),
        ]
    )


def etiqueta(codigo, dados):
    if len(dados) < 0x3F:
        return struct.pack("<H", (codigo << 6) | len(dados)) + dados
    return struct.pack("<HI", (codigo << 6) | 0x3F, len(dados)) + dados


def retangulo(xmax, ymax):
    bits = 16
    campos = [0, xmax, 0, ymax]
    cadeia = format(bits, "05b") + "".join(format(c, f"0{bits}b") for c in campos)
    cadeia += "0" * (-len(cadeia) % 8)
    return int(cadeia, 2).to_bytes(len(cadeia) // 8, "big")


def filme(acoes, fundo=0xFFFFFF):
    corpo = retangulo(LARGURA * TWIPS, ALTURA * TWIPS)
    corpo += struct.pack("<HH", 24 << 8, 1)  # 24 frames a second, one frame
    corpo += etiqueta(69, struct.pack("<I", 1))  # FileAttributes: network access
    corpo += etiqueta(9, fundo.to_bytes(3, "big"))  # SetBackgroundColor
    corpo += etiqueta(12, acoes)  # DoAction
    corpo += etiqueta(1, b"")  # ShowFrame
    corpo += etiqueta(0, b"")  # End
    return b"FWS" + bytes([VERSAO_SWF]) + struct.pack("<I", 8 + len(corpo)) + corpo


def main():
    pasta = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "tests/data/swf"
    pasta.mkdir(parents=True, exist_ok=True)
    filmes = (
        ("ponte.swf", filme(roteiro())),
        ("leitura.swf", filme(roteiro_leitura())),
        ("estatico.swf", filme(roteiro_estatico(), fundo=COR_ESTATICO)),
        ("contador.swf", filme(roteiro_contador())),
        ("link.swf", filme(roteiro_link())),
        ("rede.swf", filme(roteiro_rede())),
    )
    for nome, bytes_filme in filmes:
        destino = pasta / nome
        destino.write_bytes(bytes_filme)
        print(destino)


if __name__ == "__main__":
    main()
