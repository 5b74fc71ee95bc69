// The Application log, written under the source "Dorvik": the installer registers it with the program's
// message table; without it Windows still keeps the records, with their inserted strings.
#pragma once

#include "platform/win32/Win32.h"

#include "platform/IEventLog.h"
#include "platform/win32/Handles.h"

namespace dorvik::win32
{

class Win32EventLog final : public platform::IEventLog
{
public:
    void Write(const platform::EventRecord& record) noexcept override;

private:
    UniqueEventSource source_;
    bool tried_ = false;
};

} // namespace dorvik::win32
