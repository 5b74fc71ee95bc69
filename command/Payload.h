// The arguments as handed to an already running copy: a bounded run of wchar_t units, whatever their size
// (the Windows side turns them into bytes).
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace dorvik::command
{

inline constexpr wchar_t kPayloadVersion = 1;
// As long as a whole command line of Windows (32767 characters), so that every title a command line can hold
// reaches the running copy.
inline constexpr std::size_t kMaxPayloadChars = 32768; // with the version and every terminator
inline constexpr std::size_t kMaxArguments = 32;
inline constexpr std::size_t kMaxArgumentChars = 32766; // without its terminator

// The version unit, then each argument followed by a NUL. Nothing when the arguments do not fit the limits
// or one holds a NUL, so that whatever is encoded decodes to the same arguments.
std::optional<std::wstring> EncodeArguments(std::span<const std::wstring> arguments);

// The arguments back, or nothing unless the payload is well formed: not longer than kMaxPayloadChars, the
// right version, every argument NUL-terminated (so the last unit is NUL), at most kMaxArguments, none longer
// than kMaxArgumentChars. The version alone is a line without arguments.
std::optional<std::vector<std::wstring>> DecodeArguments(std::wstring_view payload);

} // namespace dorvik::command
