#pragma once

#include "linkguard/unit_RegrasLinks.h"
#include "net/unit_ClienteHttp.h"

#include <QByteArray>
#include <QStringList>

// A document the program downloads at start-up, made ready on its loader's
// worker, so that its handler on the UI thread only takes it over.
struct TDocumentoRemoto {
    enum class TTipo { definicoes, listaBadURLs };

    // The definitions document holds a handful of short lines. Its values are
    // shown in the update notice and the about text, whose layout costs the
    // UI thread about 3 ms per KiB.
    static constexpr qint64 tamanhoMaximoDefinicoes = 4 * 1024;
    // The bad-site list may hold tens of thousands of host patterns of a few
    // dozen bytes each; every entry is compiled and tried at each judgement.
    static constexpr qint64 tamanhoMaximoListaBadURLs = 4 * 1024 * 1024;
    static constexpr qsizetype maxEntradasListaBadURLs = 50'000;

    // Bounds of the download of a document of this kind.
    static TLimitesHttp limites(TTipo tipo);

    // On the worker, with a body that arrived: its lines and, for the bad-site
    // list, its entries compiled. Raises EConversao for a list of more entries
    // than allowed.
    void preparar(TTipo tipo, const QByteArray& corpo);

    bool vazio = true; // nothing was prepared: the download failed, brought nothing or was refused
    QStringList linhas;
    TRegrasLinks regras; // the compiled bad-site list; empty for the definitions
};
