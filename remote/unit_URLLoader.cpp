#include "remote/unit_URLLoader.h"

#include <QBuffer>

TURLLoader::TURLLoader(const QString& _URL, const TLimitesHttp& limites, QObject* vida)
    : TTrabalhador(vida),
      http(std::make_unique<TClienteHttp>(limites, TClienteHttp::TRegraSucesso::apenas200s)), url(_URL) {}

TURLLoader::~TURLLoader() = default;

// The handler's errors end the hand-over and nothing else.
void TURLLoader::Execute() {
    QByteArray corpo;
    http->Get(url, corpo);
    if (!corpo.isEmpty() && FonPreparar) {
        try {
            FonPreparar(corpo);
        } catch (...) {
            corpo.clear();
        }
    }
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
