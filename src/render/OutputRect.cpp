#include "render/OutputRect.h"

Rect32 OutputRectFor(const Rect32& monitor0, bool mirror, bool italic) {
    return Rect32{1 + (mirror && italic ? 8 : 0), 1, monitor0.Width(), monitor0.Height()};
}
