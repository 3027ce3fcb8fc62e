// How a painting's target draws, decided once for it: a screen in whole device pixels, or paper (PDF, SVG,
// PNG, the printer) in millimetres. The painting asks it and never asks what the device is.
#pragma once

#include "DrawingConstants.h"

namespace diagram {

struct DevicePolicy {
    // Painter units per millimetre of paper for text, line widths and symbols: 1 on paper.
    double styleScale = 1;
    // Text set in whole device pixels, so that a zoom step loads no fonts anew; else laid out large and
    // scaled down, the same width on every device.
    bool pixelText = false;
    // Lines up to this many device pixels wide are drawn one device pixel wide: the same look, far faster.
    // 0: every line at its width.
    double hairlinePixels = 0;
    // The paper's grid, rules and cursors filled as rows and columns of whole device pixels.
    bool pixelRules = false;
    // Wide arcs as hairlines side by side, curves as separate short strokes: many times faster to fill
    // than one wide antialiased line, and the same to the eye.
    bool splitStrokes = false;

    static DevicePolicy Paper(double styleScale = 1) { return {.styleScale = styleScale}; }
    static DevicePolicy Screen(double styleScale)
    {
        return {.styleScale = styleScale,
                .pixelText = true,
                .hairlinePixels = HairlinePixels,
                .pixelRules = true,
                .splitStrokes = true};
    }

    double Size(double mm) const { return mm * styleScale; }
    // Whether a line `widthPixels` device pixels wide is drawn as a one-pixel hairline.
    bool Hairline(double widthPixels) const { return hairlinePixels > 0 && widthPixels <= hairlinePixels; }
};

} // namespace diagram
