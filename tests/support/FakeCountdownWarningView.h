// The last-minute window held in plain fields: whether it is shown, every sentence it showed, and how often
// it was brought to the front.
#pragma once

#include <string>
#include <vector>

#include "ui/ICountdownWarningView.h"

namespace dorvik::test
{

class FakeCountdownWarningView final : public ICountdownWarningView
{
public:
    void Show(std::wstring_view sentence) override
    {
        shown = true;
        ++showings;
        sentences.emplace_back(sentence);
    }

    void SetSentence(std::wstring_view sentence) override { sentences.emplace_back(sentence); }

    void Activate() override { ++activations; }

    void Hide() override { shown = false; }

    // The sentence on the screen now.
    std::wstring Sentence() const { return sentences.empty() ? std::wstring() : sentences.back(); }

    bool shown = false;
    int showings = 0;
    int activations = 0;
    std::vector<std::wstring> sentences;
};

} // namespace dorvik::test
