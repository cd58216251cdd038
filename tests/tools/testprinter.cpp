// Adds the file-port test printer to the Wine prefix for the print journey,
// makes it the default, forgets its last job and prints the file the next
// job lands in (a Windows path).
#include <cstdio>

#include "TestPrinter.h"

int main() {
    const std::string error = InstallTestPrinter();
    if (!error.empty()) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    ClearTestPrinterOutput();
    std::printf("%s\n", TestPrinterOutput().c_str());
    return 0;
}
