// The immediate end of the process.
#pragma once

#include "platform/IRuntime.h"

namespace dorvik::win32
{

class Win32Runtime final : public platform::IRuntime
{
public:
    [[noreturn]] void EndNow() override;
};

} // namespace dorvik::win32
