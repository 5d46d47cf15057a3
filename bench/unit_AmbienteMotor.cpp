#include "bench/unit_AmbienteMotor.h"

#include <QByteArray>

void AmbienteMotor::preparar(const char* pastaBuild) {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsSet("QUILLET_DADOS"))
        qputenv("QUILLET_DADOS", pastaBuild);
}
