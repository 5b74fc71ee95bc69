// The payload that carries a command line to a running copy: the round trip, and every malformed payload.
#include "command/Payload.h"

#include <gtest/gtest.h>
#include <ostream>

namespace dorvik::command
{
namespace
{

using namespace std::string_literals;
using Arguments = std::vector<std::wstring>;

// The layout spelt out independently of EncodeArguments: the version, then each argument and a NUL.
std::wstring Laid(Arguments arguments, wchar_t version = kPayloadVersion)
{
    std::wstring payload(1, version);
    for (const std::wstring& argument : arguments)
    {
        payload += argument;
        payload += L'\0';
    }
    return payload;
}

std::wstring WithoutLastUnit(std::wstring payload)
{
    payload.pop_back();
    return payload;
}

struct PayloadRow
{
    const char* what;
    std::wstring payload;
    std::optional<Arguments> arguments; // nothing: the payload is refused
};

void PrintTo(const PayloadRow& row, std::ostream* os)
{
    *os << row.what;
}

class PayloadDecoding : public testing::TestWithParam<PayloadRow>
{
};

TEST_P(PayloadDecoding, GivesBackWhatWasEncodedAndRefusesTheMalformed)
{
    const PayloadRow& row = GetParam();
    EXPECT_EQ(DecodeArguments(row.payload), row.arguments);
    if (row.arguments)
    {
        EXPECT_EQ(EncodeArguments(*row.arguments), row.payload);
    }
}

// Seven arguments of 4680 units fill the payload exactly: 1 + 7 * (4680 + 1) = 32768.
const Arguments kFullLine(7, std::wstring(4680, L'x'));

Arguments OneUnitTooLong()
{
    Arguments line = kFullLine;
    line.front() += L'x';
    return line;
}

INSTANTIATE_TEST_SUITE_P(
    Payloads, PayloadDecoding,
    testing::Values(PayloadRow{"a line", Laid({L"/r", L"/program", L"Not Defteri", L"/sonra", L"5"}),
                               Arguments{L"/r", L"/program", L"Not Defteri", L"/sonra", L"5"}},
                    PayloadRow{"no arguments", Laid({}), Arguments{}},
                    PayloadRow{"an empty argument", Laid({L"/program", L""}), Arguments{L"/program", L""}},
                    PayloadRow{"full", Laid(kFullLine), kFullLine},
                    PayloadRow{"the most arguments", Laid(Arguments(kMaxArguments, L"/s")),
                               Arguments(kMaxArguments, L"/s")},
                    PayloadRow{"the longest argument", Laid({std::wstring(kMaxArgumentChars, L'y')}),
                               Arguments{std::wstring(kMaxArgumentChars, L'y')}},
                    PayloadRow{"empty", L"", std::nullopt},
                    PayloadRow{"another version", Laid({L"/iptal"}, 2), std::nullopt},
                    PayloadRow{"no final NUL", WithoutLastUnit(Laid({L"/iptal"})), std::nullopt},
                    PayloadRow{"too long", Laid(OneUnitTooLong()), std::nullopt},
                    PayloadRow{"too many arguments", Laid(Arguments(kMaxArguments + 1, L"/s")), std::nullopt},
                    PayloadRow{"an argument too long", Laid({std::wstring(kMaxArgumentChars + 1, L'y')}),
                               std::nullopt}));

TEST(PayloadEncoding, PutsTheVersionFirstAndRefusesWhatCouldNotComeBack)
{
    EXPECT_EQ(EncodeArguments(Arguments{L"/r", L"/hemen"}), L"\x0001/r\0/hemen\0"s);
    EXPECT_EQ(EncodeArguments(Arguments(kMaxArguments + 1, L"/s")), std::nullopt);
    EXPECT_EQ(EncodeArguments(Arguments{std::wstring(kMaxArgumentChars + 1, L'y')}), std::nullopt);
    EXPECT_EQ(EncodeArguments(OneUnitTooLong()), std::nullopt);
    EXPECT_EQ(EncodeArguments(Arguments{L"a\0b"s}), std::nullopt);
}

} // namespace
} // namespace dorvik::command
