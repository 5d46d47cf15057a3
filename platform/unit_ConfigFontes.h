#pragma once

// The desktop's font configuration (fontconfig), read ahead on a thread of
// its own. Qt reads it the first time a text is measured, on the UI thread,
// after connecting to the display: some sixty files parsed, about 10 ms. Read
// here while the application object connects, it is ready when the first
// widget measures its text. Whichever comes first reads it; the other finds
// it read (or, racing it, reads its own and drops it). Call before the
// application object exists.
namespace ConfigFontes {
void lerEmSegundoPlano();
}
