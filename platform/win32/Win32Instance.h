// One copy of the program per session, told by a named mutex taken before any window exists, so that two
// copies started at the same moment cannot both go on.
#pragma once

#include "platform/IInstance.h"
#include "platform/win32/Handles.h"

namespace dorvik::win32
{

class Win32Instance final : public platform::IInstance
{
public:
    explicit Win32Instance(const wchar_t* mutexName) noexcept;

    bool PreviousInstance() const override { return previous_; }

    std::optional<platform::RunningCopyAnswer> HandToRunningCopy(std::wstring_view payload) override;

private:
    UniqueHandle mutex_;
    bool previous_ = false;
};

} // namespace dorvik::win32
