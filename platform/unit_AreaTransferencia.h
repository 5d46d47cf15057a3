#pragma once

#include <QString>
#include <functional>

// The system clipboard as the link watcher needs it: one notification per
// change of its content, its content read as text, and emptied.
class TAreaTransferencia {
public:
    virtual ~TAreaTransferencia() = default;
    // Registers the one receiver of change notifications.
    virtual void aoMudar(std::function<void()> receptor) = 0;
    // The clipboard's text; empty when it holds none. Raises an error when it cannot be opened.
    virtual QString lerTexto() = 0;
    // Empties the clipboard (a change like any other: its receiver is notified).
    virtual void limpar() = 0;
};
