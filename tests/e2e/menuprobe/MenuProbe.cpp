// A test-only DLL that the e2e driver loads into the program under test to read a menu from the inside:
// Wine's menu handles are private to their process, so no other process can read them. It reads the menu
// named in the shared request, writes its answer, and refuses to stay loaded.
#include <windows.h>

#include <cwchar>

#include "menuprobe/MenuProbeProtocol.h"

namespace
{

using dorvik::e2e::menuprobe::Request;
using dorvik::e2e::menuprobe::Status;

struct FindContext
{
    DWORD pid;
    HWND found;
};

BOOL CALLBACK FindMainWindow(HWND window, LPARAM parameter) noexcept
{
    auto* context = reinterpret_cast<FindContext*>(parameter);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(window, &pid);
    wchar_t title[64] = {};
    // InternalGetWindowText sends no message: the UI thread may be waiting for the loader lock held here.
    if (pid == context->pid && ::InternalGetWindowText(window, title, 64) > 0 &&
        std::wcscmp(title, dorvik::e2e::menuprobe::kDefaultTitle) == 0)
    {
        context->found = window;
        return FALSE;
    }
    return TRUE;
}

class Writer
{
public:
    explicit Writer(Request& request) noexcept
        : request_(request)
    {
    }

    bool Overflowed() const noexcept { return overflowed_; }

    void Text(const wchar_t* text) noexcept
    {
        for (; *text; ++text)
        {
            Char(*text);
        }
    }

    void Char(wchar_t c) noexcept
    {
        if (request_.textLength + 1 >= dorvik::e2e::menuprobe::kTextCapacity)
        {
            overflowed_ = true;
            return;
        }
        request_.text[request_.textLength++] = c;
        request_.text[request_.textLength] = L'\0';
    }

    void Number(unsigned long long value, int base) noexcept
    {
        wchar_t digits[24];
        int count = 0;
        do
        {
            const auto digit = static_cast<unsigned>(value % static_cast<unsigned>(base));
            digits[count++] = static_cast<wchar_t>(digit < 10 ? L'0' + digit : L'a' + digit - 10);
            value /= static_cast<unsigned>(base);
        } while (value != 0 && count < 24);
        while (count > 0)
        {
            Char(digits[--count]);
        }
    }

private:
    Request& request_;
    bool overflowed_ = false;
};

void WriteMenu(Writer& out, HMENU menu, int level) noexcept
{
    const int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i)
    {
        wchar_t caption[512] = {};
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        item.dwTypeData = caption;
        item.cch = 511;
        if (!::GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &item))
        {
            continue;
        }
        out.Number(static_cast<unsigned>(level), 10);
        out.Char(L'\t');
        out.Number(item.wID, 10);
        out.Char(L'\t');
        if (item.fState & MFS_CHECKED)
        {
            out.Char(L'C');
        }
        if (item.fState & MF_GRAYED)
        {
            out.Char(L'G');
        }
        if (item.fState & MF_DISABLED)
        {
            out.Char(L'D');
        }
        if (item.fType & MFT_SEPARATOR)
        {
            out.Char(L'S');
        }
        if (item.hSubMenu)
        {
            out.Char(L'P');
        }
        if (item.fType & MFT_RADIOCHECK)
        {
            out.Char(L'R');
        }
        if (item.fState & MFS_DEFAULT)
        {
            out.Char(L'F');
        }
        out.Char(L'\t');
        out.Number(reinterpret_cast<uintptr_t>(item.hSubMenu), 16);
        out.Char(L'\t');
        if (!(item.fType & MFT_SEPARATOR))
        {
            out.Text(caption);
        }
        out.Char(L'\n');
        if (item.hSubMenu)
        {
            WriteMenu(out, item.hSubMenu, level + 1);
        }
    }
}

void Answer(Request& request) noexcept
{
    HWND window = reinterpret_cast<HWND>(static_cast<uintptr_t>(request.window));
    if (!window)
    {
        FindContext context{::GetCurrentProcessId(), nullptr};
        ::EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&context));
        window = context.found;
    }
    if (!window || !::IsWindow(window))
    {
        request.status = Status::NoWindow;
        return;
    }
    const HMENU menu =
        request.property[0] ? static_cast<HMENU>(::GetPropW(window, request.property)) : ::GetMenu(window);
    if (!menu || !::IsMenu(menu))
    {
        request.status = Status::NoMenu;
        return;
    }
    Writer out(request);
    request.textLength = 0;
    request.text[0] = L'\0';
    WriteMenu(out, menu, 0);
    request.status = out.Overflowed() ? Status::Overflow : Status::Done;
}

void Probe() noexcept
{
    wchar_t name[64];
    std::swprintf(name, 64, L"%ls%lu", dorvik::e2e::menuprobe::kMappingPrefix, ::GetCurrentProcessId());
    const HANDLE mapping = ::OpenFileMappingW(FILE_MAP_READ | FILE_MAP_WRITE, FALSE, name);
    if (!mapping)
    {
        return;
    }
    if (void* view = ::MapViewOfFile(mapping, FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, sizeof(Request)))
    {
        auto* request = static_cast<Request*>(view);
        if (request->version == dorvik::e2e::menuprobe::kVersion)
        {
            Answer(*request);
        }
        ::UnmapViewOfFile(view);
    }
    ::CloseHandle(mapping);
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID);

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
    {
        // The work is done while loading, in the injected thread: the menu calls touch only this process's
        // own menu objects and send no message, so the loader lock cannot deadlock them.
        Probe();
        // FALSE makes LoadLibraryW unload the probe again, leaving the program as it was.
        return FALSE;
    }
    return TRUE;
}
