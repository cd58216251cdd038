#pragma once

// Whether the program runs under Wine, where a few system parts behave
// otherwise than Windows documents them and are worked around.
bool RunsOnWine();
