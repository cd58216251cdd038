#include <windows.h>

#include <string>
#include <vector>

#include "app/Application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    std::vector<std::string> args;
    for (int i = 1; i < __argc; ++i)
        args.emplace_back(__argv[i]);
    Application app(ProductionServices());
    if (!app.Start(args))
        return 0; // a start-up check failed and has said why
    return app.Run();
}
