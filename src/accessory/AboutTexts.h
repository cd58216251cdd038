#pragma once
#include <string>

#include "win/Geometry.h"

// Texts of the About box.
// The output area as width, two blanks, height.
std::string AboutOutputSize(const Rect32& outputRect);
// The product title, a blank and the version (the blank stays for an empty version).
std::string AboutTitle(const std::string& version);
inline constexpr const char* kAboutCaption = "About Cuecraft";
inline constexpr const char* kOwnershipNotice =
    "Copyright (C) the Cuecraft authors. All rights reserved.";
