#pragma once

// The environment of a benchmark that runs the SWF engine: the offscreen
// platform unless the caller names another, and the engine's files from the
// build folder `pastaBuild` unless QUILLET_DADOS names another folder. Before
// the application object.
namespace AmbienteMotor {
void preparar(const char* pastaBuild);
} // namespace AmbienteMotor
