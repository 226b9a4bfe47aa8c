#include "model/OrbTransport.h"

OrbTransport::OrbTransport (int dumpOffset) : TableControl (ControlType::transport, numSlots, dumpOffset) {}
