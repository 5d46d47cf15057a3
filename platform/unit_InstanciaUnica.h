#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;

// One running copy of the program per user and data folder: a second start
// with the same data folder (reached by any path: links are resolved) asks
// the running copy to come forward and ends. Copies with other data folders
// run side by side (the tests and benchmarks start several, each with its
// own), and share nothing but a settings file they may reach by links, whose
// writes are locked anyway.
//
// The running copy holds a local socket under a name made of the user's id
// and a hash of the data folder's real path, in Linux's abstract namespace
// (no file to leave behind: the name goes with the process). A start that
// finds the name taken connects to it, and that connection is the request;
// each side checks that the other runs as the same user.
class TInstanciaUnica : public QObject {
    Q_OBJECT
public:
    explicit TInstanciaUnica(const QString& pastaDados);
    ~TInstanciaUnica() override;

    // Before the application object exists: true when a copy with this data
    // folder runs and has been asked to come forward, and this one is to end.
    // Otherwise this copy holds the name from now on. Never waits more than
    // a fraction of a second.
    bool entregarAExistente();
    // Once the application object exists: later starts reach `chamada`.
    void ouvir();

    const QByteArray& nome() const { return nome_; }

Q_SIGNALS:
    // Another start with this data folder asked this copy to come forward.
    void chamada();

private:
    enum class TTentativa { primeira, entregue, repetir, semOutra };
    TTentativa tentar();
    void aceitar();

    QByteArray nome_;
    int servidor_ = -1;
    QSocketNotifier* notificador_ = nullptr;
};
