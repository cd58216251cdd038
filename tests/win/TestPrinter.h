#pragma once
// A printer in the test's Wine prefix whose port is a file: jobs land there
// as PostScript, and ghostscript turns them back into text or pixels.
#include <string>
#include <vector>

inline constexpr const char* kTestPrinter = "Cuecraft Test Printer";

// Adds the printer (once per prefix; again when its port moved) and makes it
// the default. Returns an empty text, or what went wrong.
std::string InstallTestPrinter();
// The file the printer writes to, as a Windows path.
std::string TestPrinterOutput();
// Forgets the last job's output.
void ClearTestPrinterOutput();
bool TestPrinterHasOutput();
std::string TestPrinterPostScript();
// The job's text, one printed line per entry, through `gs -sDEVICE=txtwrite`.
std::vector<std::string> PrintedLines();

// The job rendered at a low resolution: one RGB triple per pixel, all pages.
struct PrintedPixels {
    int dark = 0;      // pixels darker than mid-grey
    int bluish = 0;    // pixels whose blue clearly exceeds red and green
    int inkRight = -1; // the rightmost column with a dark pixel, on any page
    int inkLeft = -1;  // the leftmost one
};
// The resolution RenderPrintedPixels renders at, in pixels per inch.
inline constexpr int kPrintedPixelsPerInch = 72;
PrintedPixels RenderPrintedPixels();
