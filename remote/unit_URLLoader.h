#pragma once

#include "net/unit_ClienteHttp.h"
#include "net/unit_Trabalhador.h"

#include <QString>
#include <functional>
#include <memory>

class QBuffer;

// The completion handler of a download: the body as a stream positioned at 0
// (empty when the download failed), valid only during the call, and the
// address the loader was created with.
using TURLLoader_OnComplete = std::function<void(QBuffer& data, const QString& url)>;
// Work on the worker with a body that arrived, before the hand-over: what the
// handler would otherwise do on the UI thread (decoding, compiling). An error
// it raises makes the download count as failed.
using TURLLoader_Preparo = std::function<void(const QByteArray& corpo)>;

// Downloads one document into memory on a worker thread, then runs its
// completion handler on the UI thread while the worker waits. Fire and
// forget: create, set the handler, start; the loader destroys itself.
class TURLLoader final : public TTrabalhador {
public:
    // `limites`: time-outs and the cap on the body of this download.
    // `vida`: the handler runs only while this object lives.
    TURLLoader(const QString& _URL, const TLimitesHttp& limites, QObject* vida);
    ~TURLLoader() override;

    void onComplete(TURLLoader_OnComplete handler) { FonComplete = std::move(handler); }
    // Optional; runs before the hand-over, and only when a body arrived.
    void onPreparar(TURLLoader_Preparo preparo) { FonPreparar = std::move(preparo); }

protected:
    void Execute() override;

private:
    TURLLoader_OnComplete FonComplete;
    std::unique_ptr<TClienteHttp> http;
    const QString url;
    TURLLoader_Preparo FonPreparar;
};
