#pragma once

#include "ui_frame/hover_ticker.h"
#include "ui_frame/picture_source.h"

#include <memory>

namespace orvanta {

// What every skinned window shares: the pictures of the installed "Graphics"
// folder and the pointer its hover ticks read. Cheap to copy.
struct SkinContext {
    std::shared_ptr<const PictureSource> pictures;
    CursorReader cursor = systemCursor();
};

} // namespace orvanta
