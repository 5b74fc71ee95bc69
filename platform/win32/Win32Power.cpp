#include "platform/win32/Win32Power.h"

#include <array>
#include <string>

#include "platform/win32/Handles.h"
#include "platform/win32/SystemLibrary.h"

namespace dorvik::win32
{

// The logic names these numbers without the Windows headers; they must be Windows' own.
static_assert(static_cast<UINT>(platform::ExitFlags::LogOff) == EWX_LOGOFF);
static_assert(static_cast<UINT>(platform::ExitFlags::ShutdownForce) == (EWX_SHUTDOWN | EWX_FORCE));
static_assert(static_cast<UINT>(platform::ExitFlags::RebootForce) == (EWX_REBOOT | EWX_FORCE));

namespace
{

platform::PowerOutcome Failure(DWORD error)
{
    std::array<wchar_t, 512> buffer{};
    const DWORD length =
        ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                         buffer.data(), static_cast<DWORD>(buffer.size()), nullptr);
    std::wstring message(buffer.data(), length);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' || message.back() == L' '))
    {
        message.pop_back();
    }
    if (message.empty())
    {
        std::array<wchar_t, 16> number{};
        ::_ultow_s(error, number.data(), number.size(), 10);
        message = L"(" + std::wstring(number.data()) + L")";
    }
    return {false, message};
}

using AllowedFunction = BOOLEAN(WINAPI*)();
using SuspendFunction = BOOLEAN(WINAPI*)(BOOLEAN, BOOLEAN, BOOLEAN);

// The power library is loaded only when asked, from the system folder.
bool PowerAllows(const char* question) noexcept
{
    const SystemLibrary powrprof(L"powrprof.dll");
    const auto allowed = powrprof.Find<AllowedFunction>(question);
    return allowed && allowed() != FALSE;
}

} // namespace

platform::PowerOutcome Win32Power::EnableShutdownPrivilege()
{
    HANDLE rawToken = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &rawToken))
    {
        return Failure(::GetLastError());
    }
    const UniqueHandle token(rawToken);

    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (!::LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid))
    {
        return Failure(::GetLastError());
    }
    // AdjustTokenPrivileges succeeds even when the token lacks the privilege; only the last error tells.
    if (!::AdjustTokenPrivileges(token.get(), FALSE, &privileges, 0, nullptr, nullptr))
    {
        return Failure(::GetLastError());
    }
    if (const DWORD error = ::GetLastError(); error == ERROR_NOT_ALL_ASSIGNED)
    {
        return Failure(error);
    }
    return {};
}

bool Win32Power::KeepSystemAwake(std::wstring_view reason)
{
    std::wstring text(reason);
    REASON_CONTEXT context{};
    context.Version = POWER_REQUEST_CONTEXT_VERSION;
    context.Flags = POWER_REQUEST_CONTEXT_SIMPLE_STRING;
    context.Reason.SimpleReasonString = text.data();
    UniqueHandle request = AdoptHandle(::PowerCreateRequest(&context));
    if (request && ::PowerSetRequest(request.get(), PowerRequestSystemRequired))
    {
        // The new request holds before the old one lets go, so the system is never free to sleep between.
        AllowSleep();
        request_ = std::move(request);
        return true;
    }
    // Where power requests are missing (Wine answers ERROR_CALL_NOT_IMPLEMENTED), the thread's execution
    // state says the same, only without a reason.
    if (::SetThreadExecutionState(ES_CONTINUOUS | ES_SYSTEM_REQUIRED) == 0)
    {
        // An earlier request, if any, keeps holding, under its earlier reason.
        return static_cast<bool>(request_);
    }
    executionState_ = true;
    if (request_)
    {
        // An earlier request would go on naming the earlier reason.
        ::PowerClearRequest(request_.get(), PowerRequestSystemRequired);
        request_.reset();
    }
    return true;
}

void Win32Power::AllowSleep()
{
    if (request_)
    {
        ::PowerClearRequest(request_.get(), PowerRequestSystemRequired);
        request_.reset();
    }
    if (executionState_)
    {
        ::SetThreadExecutionState(ES_CONTINUOUS);
        executionState_ = false;
    }
}

bool Win32Power::HibernationAllowed()
{
    return PowerAllows("IsPwrHibernateAllowed");
}

bool Win32Power::SleepAllowed()
{
    // A computer with modern standby (S0 low-power idle) has no sleep to be put into.
    return PowerAllows("IsPwrSuspendAllowed");
}

platform::PowerOutcome Win32Power::Suspend(bool hibernate)
{
    const SystemLibrary powrprof(L"powrprof.dll");
    const auto suspend = powrprof.Find<SuspendFunction>("SetSuspendState");
    if (!suspend)
    {
        return Failure(ERROR_PROC_NOT_FOUND);
    }
    // Since Windows Vista no program can veto a sleep, so nothing is forced. The wake-up events stay as the
    // user set them, so a scheduled task can still wake the computer.
    if (!suspend(hibernate ? TRUE : FALSE, FALSE, FALSE))
    {
        return Failure(::GetLastError());
    }
    return {};
}

platform::PowerOutcome Win32Power::RequestExitWindows(platform::ExitFlags flags, std::uint32_t reason)
{
    if (!::ExitWindowsEx(static_cast<UINT>(flags), reason))
    {
        return Failure(::GetLastError());
    }
    return {};
}

} // namespace dorvik::win32
