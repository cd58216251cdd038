#pragma once
#include <string_view>

// The remote control's one page, whole (inline style and script, nothing
// fetched from elsewhere), and the page that only asks for the key.
std::string_view RemotePageHtml();
std::string_view KeyPageHtml();
