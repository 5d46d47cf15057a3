#pragma once

class TArquivoConfig;
class TIdioma;
struct TServicos;

// What a screen receives from the main window: the translation registry, the
// settings store and the desktop's services, all of which outlive it. A
// screen asks the window for nothing else; it announces with signals what it
// wants done, and the window wires them.
struct TContextoTela {
    TIdioma& idioma;
    TArquivoConfig& config;
    TServicos& servicos;
};
