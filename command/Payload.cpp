#include "command/Payload.h"

namespace dorvik::command
{

std::optional<std::wstring> EncodeArguments(std::span<const std::wstring> arguments)
{
    if (arguments.size() > kMaxArguments)
    {
        return std::nullopt;
    }
    std::wstring payload(1, kPayloadVersion);
    for (const std::wstring& argument : arguments)
    {
        // A NUL inside an argument would come back as two arguments.
        if (argument.size() > kMaxArgumentChars || argument.find(L'\0') != std::wstring::npos)
        {
            return std::nullopt;
        }
        payload += argument;
        payload += L'\0';
    }
    if (payload.size() > kMaxPayloadChars)
    {
        return std::nullopt;
    }
    return payload;
}

std::optional<std::vector<std::wstring>> DecodeArguments(std::wstring_view payload)
{
    // The payload comes from another process: nothing in it is trusted until it has been checked.
    if (payload.empty() || payload.size() > kMaxPayloadChars || payload.front() != kPayloadVersion)
    {
        return std::nullopt;
    }
    payload.remove_prefix(1);
    if (!payload.empty() && payload.back() != L'\0')
    {
        return std::nullopt;
    }
    std::vector<std::wstring> arguments;
    while (!payload.empty())
    {
        const std::size_t length = payload.find(L'\0');
        if (arguments.size() == kMaxArguments || length > kMaxArgumentChars)
        {
            return std::nullopt;
        }
        arguments.emplace_back(payload.substr(0, length));
        payload.remove_prefix(length + 1);
    }
    return arguments;
}

} // namespace dorvik::command
