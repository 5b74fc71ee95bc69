#include "ui/win32/LiveRegion.h"

#include <oleacc.h>

namespace dorvik::win32
{

namespace
{

// Constants of Windows 8 and of UI Automation's headers; the GUIDs are spelled out so that no library of
// GUIDs is linked for three of them.
constexpr DWORD kEventObjectLiveRegionChanged = 0x8019;
constexpr LONG kAssertive = 2;
constexpr GUID kClsidAccPropServices{
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr GUID kIidAccPropServices{
    0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
constexpr GUID kLiveSettingProperty{
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};

using InitializeFunction = HRESULT(WINAPI*)(LPVOID, DWORD);
using CreateInstanceFunction = HRESULT(WINAPI*)(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID*);

} // namespace

void LiveRegion::Release::operator()(IAccPropServices* services) const noexcept
{
    services->Release();
}

LiveRegion::LiveRegion(HWND control)
    : control_(control)
    , ole32_(L"ole32.dll")
{
    const auto initialize = ole32_.Find<InitializeFunction>("CoInitializeEx");
    const auto createInstance = ole32_.Find<CreateInstanceFunction>("CoCreateInstance");
    const auto uninitialize = ole32_.Find<UninitializeFunction>("CoUninitialize");
    if (!initialize || !createInstance || !uninitialize ||
        FAILED(initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)))
    {
        return;
    }
    // S_FALSE too: the apartment was begun already, and each successful call is ended once.
    uninitialize_ = uninitialize;
    void* services = nullptr;
    if (FAILED(createInstance(kClsidAccPropServices, nullptr, CLSCTX_INPROC_SERVER, kIidAccPropServices,
                              &services)))
    {
        return;
    }
    services_.reset(static_cast<IAccPropServices*>(services));
    VARIANT setting{};
    setting.vt = VT_I4;
    setting.lVal = kAssertive;
    // Narrator speaks a live region's changes only when its setting says how urgently; without the setting
    // it stays silent, wherever the user is.
    services_->SetHwndProp(control_, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, kLiveSettingProperty,
                           setting);
}

LiveRegion::~LiveRegion()
{
    if (services_)
    {
        // While the control still exists: the annotation is kept for its window handle.
        services_->ClearHwndProps(control_, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                  &kLiveSettingProperty, 1);
        services_.reset();
    }
    if (uninitialize_)
    {
        uninitialize_();
    }
}

void LiveRegion::Announce() const
{
    // NVDA speaks the name of any object that raises this, Narrator that of a live region; the name of a
    // static control is its text.
    ::NotifyWinEvent(kEventObjectLiveRegionChanged, control_, OBJID_CLIENT, CHILDID_SELF);
}

} // namespace dorvik::win32
