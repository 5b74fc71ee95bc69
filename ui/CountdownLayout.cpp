#include "ui/CountdownLayout.h"

#include <algorithm>

namespace dorvik
{

namespace
{

int Width(const platform::Rect& rect) noexcept
{
    return rect.right - rect.left;
}

int Height(const platform::Rect& rect) noexcept
{
    return rect.bottom - rect.top;
}

} // namespace

CountdownPlaces FitCountdownPlaces(const CountdownPlaces& design, const CountdownTexts& texts)
{
    const TextExtent& padding = texts.buttonPadding;
    const int erteleWidth = std::max(Width(design.ertele), texts.ertele.width + padding.width);
    const int vazgecWidth = std::max(Width(design.vazgec), texts.vazgec.width + padding.width);
    const int buttonHeight =
        std::max(Height(design.vazgec), std::max(texts.ertele.height, texts.vazgec.height) + padding.height);

    const int sentenceLeft = design.sentence.left;
    const int sentenceRightMargin = design.width - design.sentence.right;
    const int buttonRightMargin = design.width - design.vazgec.right;
    const int gap = design.vazgec.left - design.ertele.right;
    // The buttons may take the room left of them, down to the sentence's margin.
    const int buttonsNeed = sentenceLeft + erteleWidth + gap + vazgecWidth + buttonRightMargin;

    CountdownPlaces fitted;
    fitted.width = std::max(design.width, buttonsNeed);
    const int sentenceWidth = fitted.width - sentenceLeft - sentenceRightMargin;
    const int sentenceHeight = std::max(Height(design.sentence), texts.sentenceHeight(sentenceWidth));
    fitted.sentence = {sentenceLeft, design.sentence.top, sentenceLeft + sentenceWidth,
                       design.sentence.top + sentenceHeight};

    const int buttonTop = design.vazgec.top + sentenceHeight - Height(design.sentence);
    const int vazgecRight = fitted.width - buttonRightMargin;
    fitted.vazgec = {vazgecRight - vazgecWidth, buttonTop, vazgecRight, buttonTop + buttonHeight};
    const int erteleRight = fitted.vazgec.left - gap;
    fitted.ertele = {erteleRight - erteleWidth, buttonTop, erteleRight, buttonTop + buttonHeight};
    fitted.height = fitted.vazgec.bottom + design.height - design.vazgec.bottom;
    return fitted;
}

} // namespace dorvik
