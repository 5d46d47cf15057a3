#pragma once

#include <QString>

// Opens an address with the desktop's default handler; the outcome is not reported.
class TShell {
public:
    virtual ~TShell() = default;
    virtual void abrir(const QString& url) = 0;
};
