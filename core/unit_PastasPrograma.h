#pragma once

#include <QString>

// Where the files the program ships beside its executable are (the SWF
// engine's page and web build). Installed, <prefix>/share/quillet6 next to
// <prefix>/bin; run from the build folder, that folder. No path of the
// machine that built it is kept: a copied or installed program finds its
// files from where it runs. The environment variable QUILLET_DADOS names
// another folder (the tests, which run from folders of their own).
namespace PastasPrograma {
QString dados();
}
