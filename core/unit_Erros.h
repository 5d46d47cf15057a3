#pragma once

#include <QString>
#include <exception>

// Failures are exceptions carrying a user-readable message. Every error that
// leaves a handler, a timer tick or a start-up step reaches the one
// application-wide handler, which tells the kinds apart by type.
class EErro : public std::exception {
public:
    explicit EErro(QString mensagem) : mensagem_(std::move(mensagem)), utf8_(mensagem_.toUtf8()) {}
    const QString& Message() const { return mensagem_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString mensagem_;
    QByteArray utf8_;
};

// The platform's OLE system error: a failed COM operation (such as creating a
// player control whose class is not registered), carrying the system's text.
class EOleSysError : public EErro {
public:
    using EErro::EErro;
};

// A data resource of the program that does not exist.
class EResNotFound : public EErro {
public:
    using EErro::EErro;
};

// A file that cannot be read or written.
class EArquivo : public EErro {
public:
    using EErro::EErro;
};

// A text whose format directives do not fit the arguments given.
class EFormato : public EErro {
public:
    using EErro::EErro;
};

// A text that does not convert to the type asked for (a number, say).
class EConversao : public EErro {
public:
    using EErro::EErro;
};

// A regular expression that does not compile.
class EPadrao : public EErro {
public:
    using EErro::EErro;
};
