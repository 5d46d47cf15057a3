#pragma once

#include <QString>

// The program's message boxes, all captioned with the program title.
class TCaixasMensagem {
public:
    virtual ~TCaixasMensagem() = default;
    // Yes/No with the question icon; true on Yes.
    virtual bool perguntar(const QString& texto) = 0;
    // OK with the information icon.
    virtual void informar(const QString& texto) = 0;
    // Yes/No with the information icon (the update notice); true on Yes.
    virtual bool perguntarInformando(const QString& texto) = 0;
    // OK with the error icon.
    virtual void avisarErro(const QString& texto) = 0;
};
