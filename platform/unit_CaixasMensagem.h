#pragma once

#include <QString>

// The program's message boxes, all captioned with the program title.
class TCaixasMensagem {
public:
    // How a question that may be put away unanswered ended.
    enum class TResposta { sim, nao, nenhuma };

    virtual ~TCaixasMensagem() = default;
    // Yes/No with the question icon; true on Yes. Esc or closing the box is No.
    virtual bool perguntar(const QString& texto) = 0;
    // Yes/No with the question icon, where Esc or closing the box answers
    // neither: only an explicit No is a refusal (the terms of use).
    virtual TResposta perguntarOuFechar(const QString& texto) = 0;
    // OK with the information icon.
    virtual void informar(const QString& texto) = 0;
    // Yes/No with the information icon (the update notice); true on Yes.
    virtual bool perguntarInformando(const QString& texto) = 0;
    // OK with the error icon.
    virtual void avisarErro(const QString& texto) = 0;
};
