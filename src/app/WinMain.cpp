#include <windows.h>

#include <string>
#include <vector>

#include "app/Application.h"
#include "win/Wide.h"

// The wide entry point: arguments in any script arrive whole.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    std::vector<std::string> args;
    for (int i = 1; i < __argc; ++i)
        args.emplace_back(Narrow(__wargv[i]));
    Application app(ProductionServices());
    if (!app.Start(args))
        return 0; // a start-up check failed and has said why
    return app.Run();
}
