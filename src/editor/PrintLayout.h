#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "win/Geometry.h"

// Page layout of a text print job, in device units of the printable area:
// lines start at its left edge, the first at its top edge, with no margins,
// header or footer.

// Space added below the tallest text of every printed line.
inline constexpr int kPrintLineGap = 2;

// Cuts a line into the pieces printed one per line: each piece ends before
// the first character that does not fit. `fitCount` tells how many leading
// characters of a text fit across the page. A piece holds at least one
// character, so a character wider than the page cannot stall the job. No
// piece but the first starts with closing punctuation ("。", "，", ")", "."):
// the character before it moves to the next piece too. An empty line gives
// one empty piece.
std::vector<std::string_view>
BreakPrintLine(std::string_view text, const std::function<std::size_t(std::string_view)>& fitCount);

// Where the next line goes down the page, and when a new page begins.
class PageCursor {
  public:
    explicit PageCursor(int pageHeight) : pageHeight_(pageHeight) {}

    struct Placement {
        bool startsPage; // begin a page before printing this line
        int y;
    };
    // Position of the next line. Pages are begun only when a line needs one,
    // so a job never ends with an empty page.
    Placement Next();
    // Moves below a printed line whose tallest text is `textHeight` high; the
    // page ends when the next line would come lower than the page height
    // less twice this line's height.
    void Advance(int textHeight);
    int Pages() const { return pages_; }

  private:
    int pageHeight_;
    int y_ = 0;
    bool pageOpen_ = false;
    int pages_ = 0;
};

// The ink a text colour prints with: colours lighter than mid-grey would not
// show on white paper (a white-on-black script would print blank), so they
// print black; darker colours print as they are.
Color PrintInkColor(Color textColor);

// The lines printed after the script, at 12 pt: two single blanks, the line
// count (" 57 Lines"), a blank and the command-line script, a single blank.
std::vector<std::string> PrintTrailer(int lineCount, const std::string& cmdLineFile);
