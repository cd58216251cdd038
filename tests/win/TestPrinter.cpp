#include "TestPrinter.h"

#include <algorithm>

#include <fstream>
#include <sstream>

#include <windows.h>
#include <winspool.h>

namespace {
constexpr const char* kDriver = "Cuecraft Test Driver";

std::string TempPath(const char* name) {
    char folder[MAX_PATH] = {0};
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

// Wine exports the mapping of a Windows path to the host's own.
std::string UnixPath(const std::string& windowsPath) {
    using ToUnix = char*(CDECL*)(LPCWSTR);
    static const auto toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!toUnix)
        return {};
    std::wstring wide(windowsPath.begin(), windowsPath.end());
    char* unix = toUnix(wide.c_str());
    if (!unix)
        return {};
    std::string path(unix);
    HeapFree(GetProcessHeap(), 0, unix);
    return path;
}

std::string LastErrorText(const char* what) {
    return std::string(what) + " failed, error " + std::to_string(GetLastError());
}

// The PPD goes beside the driver, where the PostScript driver reads it.
std::string InstallDriver() {
    char folder[MAX_PATH] = {0};
    DWORD size = sizeof folder;
    if (!GetPrinterDriverDirectoryA(nullptr, nullptr, 1, reinterpret_cast<BYTE*>(folder), size,
                                    &size))
        return LastErrorText("GetPrinterDriverDirectory");
    const std::string ppd = std::string(folder) + "\\cuecraft-test.ppd";
    if (!CopyFileA("Z:\\usr\\share\\ppd\\cups-pdf\\CUPS-PDF_opt.ppd", ppd.c_str(), FALSE))
        return LastErrorText("copying the PPD of printer-driver-cups-pdf");
    DRIVER_INFO_3A driver{};
    driver.cVersion = 3;
    driver.pName = const_cast<char*>(kDriver);
    driver.pDriverPath = const_cast<char*>("wineps.drv");
    driver.pConfigFile = const_cast<char*>("wineps.drv");
    driver.pDataFile = const_cast<char*>(ppd.c_str());
    if (!AddPrinterDriverExA(nullptr, 3, reinterpret_cast<BYTE*>(&driver), APD_COPY_NEW_FILES) &&
        GetLastError() != ERROR_PRINTER_DRIVER_ALREADY_INSTALLED)
        return LastErrorText("AddPrinterDriverEx");
    return {};
}

// The port of an existing test printer, or empty when there is none.
std::string CurrentPort(HANDLE& printer) {
    printer = nullptr;
    if (!OpenPrinterA(const_cast<char*>(kTestPrinter), &printer, nullptr))
        return {};
    DWORD needed = 0;
    GetPrinterA(printer, 2, nullptr, 0, &needed);
    std::vector<BYTE> info(needed ? needed : 1);
    if (!GetPrinterA(printer, 2, info.data(), needed, &needed))
        return {};
    const auto* details = reinterpret_cast<const PRINTER_INFO_2A*>(info.data());
    return details->pPortName ? details->pPortName : "";
}

bool WaitForFile(const std::string& path) {
    for (int i = 0; i < 600; ++i) {
        if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES)
            return true;
        Sleep(50);
    }
    return false;
}

// Wine starts host programs directly but hands back no process handle, so the
// result appears under its final name only once the command is done.
std::string RunGhostscript(const std::string& device, const char* name) {
    const std::string out = TempPath(name);
    DeleteFileA(out.c_str());
    const std::string unixOut = UnixPath(out);
    const std::string command = "/bin/sh -c \"gs -q -dNOPAUSE -dBATCH -dSAFER -sDEVICE=" + device +
                                " -r" + std::to_string(kPrintedPixelsPerInch) + " -sOutputFile='" +
                                unixOut + ".part' '" + UnixPath(TestPrinterOutput()) + "' && mv '" +
                                unixOut + ".part' '" + unixOut + "'\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string line = command;
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return {};
    if (process.hProcess)
        CloseHandle(process.hProcess);
    if (process.hThread)
        CloseHandle(process.hThread);
    if (!WaitForFile(out))
        return {};
    std::ifstream file(out, std::ios::binary);
    std::ostringstream data;
    data << file.rdbuf();
    return data.str();
}
} // namespace

std::string TestPrinterOutput() {
    return TempPath("cuecraft-test-print.ps");
}

std::string InstallTestPrinter() {
    if (std::string error = InstallDriver(); !error.empty())
        return error;
    const std::string port = UnixPath(TestPrinterOutput());
    if (port.empty())
        return "no host path for " + TestPrinterOutput();
    HANDLE existing = nullptr;
    const std::string current = CurrentPort(existing);
    if (existing && current != port) {
        DeletePrinter(existing);
        ClosePrinter(existing);
        existing = nullptr;
    }
    if (!existing) {
        // Wine's spooler takes a host path as port and writes the job there.
        PRINTER_INFO_2A info{};
        info.pPrinterName = const_cast<char*>(kTestPrinter);
        info.pPortName = const_cast<char*>(port.c_str());
        info.pDriverName = const_cast<char*>(kDriver);
        info.pPrintProcessor = const_cast<char*>("WinPrint");
        info.pDatatype = const_cast<char*>("RAW");
        info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
        existing = AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&info));
        if (!existing)
            return LastErrorText("AddPrinter");
    }
    ClosePrinter(existing);
    if (!SetDefaultPrinterA(kTestPrinter))
        return LastErrorText("SetDefaultPrinter");
    return {};
}

void ClearTestPrinterOutput() {
    DeleteFileA(TestPrinterOutput().c_str());
}

bool TestPrinterHasOutput() {
    return GetFileAttributesA(TestPrinterOutput().c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string TestPrinterPostScript() {
    std::ifstream file(TestPrinterOutput(), std::ios::binary);
    std::ostringstream data;
    data << file.rdbuf();
    return data.str();
}

std::vector<std::string> PrintedLines() {
    std::istringstream text(RunGhostscript("txtwrite", "cuecraft-test-print.txt"));
    std::vector<std::string> lines;
    for (std::string line; std::getline(text, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

PrintedPixels RenderPrintedPixels() {
    const std::string data = RunGhostscript("ppmraw", "cuecraft-test-print.ppm");
    PrintedPixels result;
    std::size_t at = 0;
    // Every page is a binary PPM: "P6", width, height, 255, then RGB bytes.
    const auto token = [&]() {
        std::string word;
        while (at < data.size()) {
            const char c = data[at];
            if (c == '#') {
                while (at < data.size() && data[at] != '\n')
                    ++at;
            } else if (std::isspace(static_cast<unsigned char>(c))) {
                ++at;
                if (!word.empty())
                    return word;
            } else {
                word += c;
                ++at;
            }
        }
        return word;
    };
    while (at < data.size() && token() == "P6") {
        const long width = std::stol(token()), height = std::stol(token());
        token(); // maximum value, 255
        for (long i = 0; i < width * height && at + 2 < data.size(); ++i, at += 3) {
            const int r = static_cast<unsigned char>(data[at]);
            const int g = static_cast<unsigned char>(data[at + 1]);
            const int b = static_cast<unsigned char>(data[at + 2]);
            if (r + g + b < 3 * 128) {
                ++result.dark;
                const int x = static_cast<int>(i % width);
                result.inkRight = std::max(result.inkRight, x);
                result.inkLeft = result.inkLeft < 0 ? x : std::min(result.inkLeft, x);
            }
            if (b > 90 && b > r + 50 && b > g + 50)
                ++result.bluish;
        }
    }
    return result;
}
