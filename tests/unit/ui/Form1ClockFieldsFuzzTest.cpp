// Hostile input on the clock fields: a long seeded sequence of keys, pastes, focus changes and scroll-bar
// steps. Whatever arrives, no field holds more than two characters, or anything but an empty text or a
// number within its limit, once the change handler has run. DORVIK_FUZZ_SEED replays a failing run.
#include <array>
#include <cstdlib>
#include <gtest/gtest.h>
#include <random>
#include <string>

#include "scheduler/ClockField.h"
#include "support/Form1Harness.h"

namespace dorvik::test
{
namespace
{

constexpr int kSteps = 10'000;

std::uint32_t Seed()
{
    if (const char* given = std::getenv("DORVIK_FUZZ_SEED"))
    {
        return static_cast<std::uint32_t>(std::strtoul(given, nullptr, 10));
    }
    return std::random_device{}();
}

class Fuzzer
{
public:
    explicit Fuzzer(std::uint32_t seed)
        : random_(seed)
    {
    }

    int Below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random_); }

    wchar_t Key()
    {
        static constexpr std::array<wchar_t, 22> kOthers = {
            L'a', L'Z', L' ', L'\r', L'\x1b', L'\t', L'\x16', L'\x03', L'\x18',   L'\x1a',   L'\x01',
            L'ş', L'İ', L'ı', L'ğ',  L'ç',    L'-',  L'.',    L'\x7f', L'\u0660', L'\uFFFD', L'\0'};
        switch (Below(4))
        {
        case 0:
        case 1:
            return static_cast<wchar_t>(L'0' + Below(10));
        case 2:
            return L'\b';
        default:
            return kOthers[static_cast<std::size_t>(Below(static_cast<int>(kOthers.size())))];
        }
    }

    std::wstring PastedText()
    {
        static constexpr std::array<const wchar_t*, 14> kTexts = {
            L"",   L"7",  L"23",     L"24",   L"59",        L"60", L"99",
            L"ab", L"1a", L"çğıİşü", L"\t\r", L"123456789", L"-5", L"000000000000000000000000"};
        return kTexts[static_cast<std::size_t>(Below(static_cast<int>(kTexts.size())))];
    }

private:
    std::mt19937 random_;
};

bool FieldIsSound(const std::wstring& text, int field)
{
    if (text.size() > 2)
    {
        return false;
    }
    if (text.empty())
    {
        return true;
    }
    const auto value = scheduler::FieldNumber(text);
    return value && *value <= scheduler::FieldLimit(field);
}

TEST(Form1ClockFieldsFuzz, TenThousandHostileStepsLeaveEveryFieldSound)
{
    const std::uint32_t seed = Seed();
    std::printf("clock-field fuzz seed: %u (replay with DORVIK_FUZZ_SEED=%u)\n", seed, seed);
    RecordProperty("seed", static_cast<int>(seed & 0x7fffffff));
    Fuzzer fuzz(seed);
    Form1Harness h;
    h.Start();
    h.view.UserSelectOption(4);

    for (int step = 0; step < kSteps; ++step)
    {
        const int field = fuzz.Below(kSaatCount);
        switch (fuzz.Below(5))
        {
        case 0:
        case 1:
            h.view.UserType(field, fuzz.Key());
            break;
        case 2:
            h.view.UserPaste(field, fuzz.PastedText());
            break;
        case 3:
            h.view.UserFocus(field);
            break;
        default:
            h.view.UserScroll(fuzz.Below(2) == 0);
            break;
        }
        for (int i = 0; i < kSaatCount; ++i)
        {
            ASSERT_TRUE(FieldIsSound(h.view.Text(Saat(i)), i))
                << "seed " << seed << ", step " << step << ", field " << i << " holds '"
                << std::string(h.view.Text(Saat(i)).begin(), h.view.Text(Saat(i)).end()) << "'";
        }
        ASSERT_GE(h.view.ScrollValue(), 0);
        ASSERT_LE(h.view.ScrollValue(), h.view.ScrollMin());
    }

    // Whatever the fields went through, arming reads them without trouble.
    h.form.BtnDorvik_Click();
    EXPECT_TRUE(h.modulum.KapamaAktif);
    EXPECT_LE(h.form.Closing().HedefZaman().time[0], 23);
    EXPECT_LE(h.form.Closing().HedefZaman().time[1], 59);
    EXPECT_LE(h.form.Closing().HedefZaman().time[2], 59);
}

} // namespace
} // namespace dorvik::test
