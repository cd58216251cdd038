#pragma once
#include "win/Geometry.h"

// The output rectangle on monitor 0. Mirrored italic text leans the other
// way, so it starts 8 pixels further in to keep its overhang on screen.
Rect32 OutputRectFor(const Rect32& monitor0, bool mirror, bool italic);
