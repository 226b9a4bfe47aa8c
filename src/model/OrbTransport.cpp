#include "model/OrbTransport.h"

OrbTransport::OrbTransport (int dumpOffset) : TableControl (transportType, numSlots, dumpOffset)
{
}
