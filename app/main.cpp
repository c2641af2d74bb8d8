#include "app/CHensaiApp.h"

int main(int argc, char** argv)
{
    hn::CHensaiApp app;
    return app.Run(argc, argv);
}
