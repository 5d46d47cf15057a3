#pragma once

// Ends the program at once, without asking anything (the update notice and
// declined terms of use do this).
class TEncerramento {
public:
    virtual ~TEncerramento() = default;
    virtual void encerrarAgora() = 0;
};
