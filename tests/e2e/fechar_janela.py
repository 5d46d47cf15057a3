#!/usr/bin/env python3
"""Asks an X window to close, as a window manager's close button does: sends
it WM_DELETE_WINDOW. Works without a window manager (the e2e runs have none).
Usage: fechar_janela.py <window id>"""
import ctypes
import sys

CLIENT_MESSAGE = 33


class XClientMessageEvent(ctypes.Structure):
    _fields_ = [
        ("type", ctypes.c_int),
        ("serial", ctypes.c_ulong),
        ("send_event", ctypes.c_int),
        ("display", ctypes.c_void_p),
        ("window", ctypes.c_ulong),
        ("message_type", ctypes.c_ulong),
        ("format", ctypes.c_int),
        ("data", ctypes.c_long * 5),
    ]


class XEvent(ctypes.Union):
    _fields_ = [("xclient", XClientMessageEvent), ("pad", ctypes.c_long * 24)]


def main():
    janela = int(sys.argv[1], 0)
    x = ctypes.cdll.LoadLibrary("libX11.so.6")
    x.XOpenDisplay.restype = ctypes.c_void_p
    x.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x.XInternAtom.restype = ctypes.c_ulong
    x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                             ctypes.POINTER(XEvent)]
    x.XFlush.argtypes = [ctypes.c_void_p]
    x.XCloseDisplay.argtypes = [ctypes.c_void_p]

    tela = x.XOpenDisplay(None)
    if not tela:
        sys.exit("fechar_janela: no X display")
    evento = XEvent()
    evento.xclient.type = CLIENT_MESSAGE
    evento.xclient.window = janela
    evento.xclient.message_type = x.XInternAtom(tela, b"WM_PROTOCOLS", 0)
    evento.xclient.format = 32
    evento.xclient.data[0] = x.XInternAtom(tela, b"WM_DELETE_WINDOW", 0)
    x.XSendEvent(tela, janela, 0, 0, ctypes.byref(evento))
    x.XFlush(tela)
    x.XCloseDisplay(tela)


if __name__ == "__main__":
    main()
