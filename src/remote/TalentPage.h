#pragma once
#include <string_view>

// The talent view, whole (inline style and script, nothing fetched from
// elsewhere): the display lines as the output window draws them, moving in
// step with the playback.
std::string_view TalentPageHtml();
