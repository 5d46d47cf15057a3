#pragma once

// The main window as a game screen's header sees it: where its top edge is
// and whether it fills the screen. Read 50 times a second.
class TJanelaJogos {
public:
    virtual ~TJanelaJogos() = default;
    // The window's top edge (its frame's), in screen coordinates.
    virtual int topoJanela() const = 0;
    // The height of the window's caption bar: from its frame's top to its client area's.
    virtual int alturaLegenda() const = 0;
    virtual bool emFullscreen() const = 0;
};
