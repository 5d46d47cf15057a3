#pragma once

#include "net/unit_ClienteHttp.h"

#include <QByteArray>
#include <QStringList>
#include <functional>

// Work on the loader's worker with the lines of the bad-site list (compiling
// them, say). What it returns runs on the UI thread when the list is taken
// over, and is destroyed on the worker with the document.
using TPreparoLista = std::function<std::function<void()>(const QStringList& linhas)>;

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
    // list, what `prepararLista` makes of them. Raises EConversao for a list
    // of more entries than allowed.
    void preparar(TTipo tipo, const QByteArray& corpo, const TPreparoLista& prepararLista = {});

    bool vazio = true; // nothing was prepared: the download failed, brought nothing or was refused
    QStringList linhas;
    // For the bad-site list: takes the prepared list over, on the UI thread.
    std::function<void()> tomarLista;
};
