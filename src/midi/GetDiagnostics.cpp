#include "midi/GetDiagnostics.h"

#include <cstdio>

void GetDiagnostics::print()
{
    if (! enabled)
        return;

    std::printf ("number of gets : %d\r\nstarting get\r\n", 0);
    std::fflush (stdout);
}
