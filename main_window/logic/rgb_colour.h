#pragma once

// A colour as red, green and blue 0..255, so that the window-free rules can
// name their colours without the GUI module.
namespace orvanta {

struct RgbColour {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const RgbColour&, const RgbColour&) = default;
};

} // namespace orvanta
