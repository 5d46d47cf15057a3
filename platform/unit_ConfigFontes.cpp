#include "platform/unit_ConfigFontes.h"

#include <fontconfig/fontconfig.h>
#include <system_error>
#include <thread>

namespace ConfigFontes {

// Without a thread the configuration is read when Qt first needs it, as ever.
void lerEmSegundoPlano() {
    try {
        std::thread([] { FcInit(); }).detach();
    } catch (const std::system_error&) {
    }
}

} // namespace ConfigFontes
