#pragma once
#include <cstdint>
#include <string>

// Opens a local page with whatever the user has chosen for web pages.
// Returns 0, or the system's error code when nothing could be opened.
std::uint32_t OpenInDefaultBrowser(const std::string& page);
