#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>

class TTrabalhador;

// The link checks of a run. At most `maximoEmCurso` verifiers run at once;
// further checks wait in the order they were asked for. An address already
// running or waiting is not taken again (whole text, letter case ignored, as
// the list of reached addresses is compared). At most `maximoEmEspera`
// checks wait, holding at most `caracteresEmEspera` characters together: a
// check that does not fit pushes out the oldest waiting ones, since the
// player is likelier to open what was copied last; an address pushed out is
// taken again when it is copied again. Asking never waits for anything.
// The waiting checks go with the queue; the verifiers running then go on
// alone, and their end reaches nothing.
class TFilaVerificacoes : public QObject {
public:
    static constexpr int maximoEmCurso = 8;
    static constexpr qsizetype maximoEmEspera = 256;
    static constexpr qsizetype caracteresEmEspera = qsizetype(1) << 22;

    // Makes the verifier of an address, not yet started.
    using TCriar = std::function<TTrabalhador*(const QString& url)>;

    explicit TFilaVerificacoes(TCriar criar, QObject* pai = nullptr);

    void pedir(const QString& url);
    // Heard when a check asked for ends (a check pushed out of the wait is not heard).
    std::function<void(const QString& url)> aoTerminarVerificacao;
    int emCurso() const { return int(emCurso_.size()); }
    qsizetype emEspera() const { return qsizetype(espera_.size()); }

private:
    bool jaPedida(const QString& url) const;
    void esperar(const QString& url);
    void iniciarProximas();
    void iniciar(const QString& url);
    void terminou(const QString& url);

    TCriar criar_;
    QStringList emCurso_;
    std::deque<QString> espera_;
    qsizetype caracteresNaEspera_ = 0;
};
