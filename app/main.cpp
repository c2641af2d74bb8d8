// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CHensaiApp.h"
#include "calc/HeapReuse.h"

int main(int argc, char** argv)
{
    hn::KeepFreedMemoryForReuse();
    hn::CHensaiApp app;
    return app.Run(argc, argv);
}
