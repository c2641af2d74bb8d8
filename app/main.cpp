// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CHensaiApp.h"

int main(int argc, char** argv)
{
    hn::CHensaiApp app;
    return app.Run(argc, argv);
}
