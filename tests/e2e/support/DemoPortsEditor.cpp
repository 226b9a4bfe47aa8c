// The editor with the simulated controller ("OrbMini Simulator") among its MIDI devices, for the
// end-to-end tests that need a device: the program's own main, with the port layer set before it.
#include "app/KestrinOrbEditorApplication.h"
#include "midi/JuceMidiPorts.h"
#include "simulator/DemoMidiPorts.h"

namespace
{
[[maybe_unused]] const bool demoPortsInstalled = [] {
    KestrinOrbEditorApplication::setPortLayerFactory ([]() -> std::unique_ptr<MidiPortLayer> {
        return std::make_unique<DemoMidiPorts> (std::make_unique<JuceMidiPorts>());
    });
    return true;
}();
} // namespace
