#include "platform/win32/Win32EventLog.h"

#include <vector>

namespace dorvik::win32
{

void Win32EventLog::Write(const platform::EventRecord& record) noexcept
{
    // Opened at the first record, and tried once: a log that cannot be opened costs nothing afterwards.
    if (!tried_)
    {
        tried_ = true;
        source_.reset(::RegisterEventSourceW(nullptr, L"Dorvik"));
    }
    if (!source_)
    {
        return;
    }
    WORD type = EVENTLOG_INFORMATION_TYPE;
    if (record.level == platform::EventLevel::Warning)
    {
        type = EVENTLOG_WARNING_TYPE;
    }
    else if (record.level == platform::EventLevel::Error)
    {
        type = EVENTLOG_ERROR_TYPE;
    }
    const wchar_t* inserts[3] = {};
    WORD count = 0;
    for (const std::wstring& insert : record.inserts)
    {
        if (count < 3)
        {
            inserts[count++] = insert.c_str();
        }
    }
    // The local event log service takes the record at once; what it answers changes nothing here.
    ::ReportEventW(source_.get(), type, 0, static_cast<DWORD>(record.id), nullptr, count, 0, inserts,
                   nullptr);
}

} // namespace dorvik::win32
