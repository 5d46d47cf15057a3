#pragma once

#include "platform/unit_ClienteHttp.h"
#include "remote/unit_Trabalhador.h"

#include <QString>
#include <functional>
#include <memory>

class QBuffer;

// The completion handler of a download: the body as a stream positioned at 0
// (empty when the download failed), valid only during the call, and the
// address the loader was created with.
using TURLLoader_OnComplete = std::function<void(QBuffer& data, const QString& url)>;

// Downloads one document into memory on a worker thread, then runs its
// completion handler on the UI thread while the worker waits. Fire and
// forget: create, set the handler, start; the loader destroys itself.
class TURLLoader final : public TTrabalhador {
public:
    // Time-outs and the cap on a body of undeclared length, read when a loader is created.
    static inline TLimitesHttp limites{};

    // `vida`: the handler runs only while this object lives.
    TURLLoader(const QString& _URL, QObject* vida);
    ~TURLLoader() override;

    void onComplete(TURLLoader_OnComplete handler) { FonComplete = std::move(handler); }

protected:
    void Execute() override;

private:
    TURLLoader_OnComplete FonComplete;
    std::unique_ptr<TClienteHttp> http;
    const QString url;
};
