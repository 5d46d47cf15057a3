#include "platform/unit_PrimeiroPlano.h"

#include <QGuiApplication>
#include <QWidget>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace {

xcb_atom_t atomo(xcb_connection_t* conexao, const char* nome) {
    xcb_intern_atom_reply_t* resposta = xcb_intern_atom_reply(
        conexao, xcb_intern_atom(conexao, 0, uint16_t(std::strlen(nome)), nome), nullptr);
    const xcb_atom_t valor = resposta ? resposta->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(resposta);
    return valor;
}

// A window manager that follows the desktop's conventions names its window here.
bool gerenciadorDeJanelas(xcb_connection_t* conexao, xcb_window_t raiz) {
    xcb_get_property_reply_t* resposta = xcb_get_property_reply(
        conexao,
        xcb_get_property(conexao, 0, raiz, atomo(conexao, "_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW, 0, 1),
        nullptr);
    const bool ha = resposta && xcb_get_property_value_length(resposta) == sizeof(xcb_window_t);
    std::free(resposta);
    return ha;
}

void ativarNoX(xcb_connection_t* conexao, xcb_window_t janela) {
    const xcb_window_t raiz = xcb_setup_roots_iterator(xcb_get_setup(conexao)).data->root;
    if (gerenciadorDeJanelas(conexao, raiz)) {
        xcb_client_message_event_t pedido{};
        pedido.response_type = XCB_CLIENT_MESSAGE;
        pedido.format = 32;
        pedido.window = janela;
        pedido.type = atomo(conexao, "_NET_ACTIVE_WINDOW");
        pedido.data.data32[0] = 2; // source: a direct user action
        pedido.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(conexao, 0, raiz,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&pedido));
    } else {
        xcb_set_input_focus(conexao, XCB_INPUT_FOCUS_PARENT, janela, XCB_CURRENT_TIME);
    }
    xcb_flush(conexao);
}

} // namespace

void PrimeiroPlano::pedir(QWidget* janela) {
    janela->raise();
    janela->activateWindow();
    // The offscreen platform answers for X too, without a connection.
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 && x11->connection())
        ativarNoX(x11->connection(), xcb_window_t(janela->winId()));
}
