// Where the last-minute window's sentence and buttons stand once their texts are measured in the user's
// font: the sentence wraps and the buttons move down under it, and a caption wider or taller than its
// button widens the button and, when it must, the window. Nothing is cut off at any text size.
#pragma once

#include <functional>

#include "platform/Types.h"

namespace dorvik
{

// Pixels of the window's client area.
struct CountdownPlaces
{
    platform::Rect sentence;
    platform::Rect ertele;
    platform::Rect vazgec;
    int width = 0;
    int height = 0;

    friend bool operator==(const CountdownPlaces&, const CountdownPlaces&) = default;
};

struct TextExtent
{
    int width = 0;
    int height = 0;
};

// The texts as the window's font draws them, in pixels.
struct CountdownTexts
{
    // The height of the sentence wrapped at this width.
    std::function<int(int width)> sentenceHeight;
    // The captions on one line.
    TextExtent ertele;
    TextExtent vazgec;
    // What a button needs around its caption: its edges and the focus rectangle, both sides together.
    TextExtent buttonPadding;
};

// The places for these texts, starting from the designed ones, which the window never goes below. The
// buttons keep their order, the gap between them and their distance from the right edge; the sentence keeps
// its margins. Both buttons are as tall as the taller one needs.
CountdownPlaces FitCountdownPlaces(const CountdownPlaces& design, const CountdownTexts& texts);

} // namespace dorvik
