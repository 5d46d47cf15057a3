#include "remote/unit_URLLoader.h"

#include <QBuffer>

TURLLoader::TURLLoader(const QString& _URL, QObject* vida)
    : TTrabalhador(vida),
      http(std::make_unique<TClienteHttp>(limites, TClienteHttp::TRegraSucesso::apenas200s)), url(_URL) {}

TURLLoader::~TURLLoader() = default;

// The handler's errors end the hand-over and nothing else.
void TURLLoader::Execute() {
    QByteArray corpo;
    http->Get(url, corpo);
    try {
        entregar([this, &corpo] {
            QBuffer data(&corpo);
            data.open(QIODevice::ReadOnly);
            FonComplete(data, url);
        });
    } catch (...) {
    }
    http.reset();
}
