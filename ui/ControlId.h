// The controls and menu items of the main window and the picker. The numbers are the Windows control and
// command identifiers, so a test driver in another process can find each control by its identifier.
#pragma once

namespace dorvik
{

enum class ControlId : int
{
    StatusBar1 = 1001,
    SaatSec = 1002,
    Frame1 = 1003,
    Saat0 = 1004, // hour
    Saat1 = 1005, // minute
    Saat2 = 1006, // second
    Label1 = 1007,
    Label2 = 1008,
    VScroll1 = 1009,
    Command2 = 1010,
    FrmKapama = 1011,
    OptHizli0 = 1012, // "Hemen!"
    OptHizli1 = 1013,
    OptHizli2 = 1014,
    OptHizli3 = 1015,
    OptHizli4 = 1016, // "Saati Belirle"
    BtnDorvik = 1017,
    Timer1 = 1018,
    ImgDorvik = 1019,
    ImgDorvikSet = 1020,
    ImgKapan = 1021,

    // The picker.
    Uygulamalar = 2001,
    UygulamaCommand2 = 2002, // "Va&zgeç"
    BtnUygulamaSec = 2003,
    ComboUygulama = 2004,
    Yenile = 2005,

    // The last-minute window.
    LblGeriSayim = 3001,
    BtnErtele = 3002,
    BtnVazgec = 3003,
};

constexpr int kSaatCount = 3;
constexpr int kOptHizliCount = 5;

constexpr ControlId Saat(int index) noexcept
{
    return static_cast<ControlId>(static_cast<int>(ControlId::Saat0) + index);
}

constexpr ControlId OptHizli(int index) noexcept
{
    return static_cast<ControlId>(static_cast<int>(ControlId::OptHizli0) + index);
}

// The index of a clock field, or -1 for any other control.
constexpr int SaatIndex(ControlId id) noexcept
{
    const int offset = static_cast<int>(id) - static_cast<int>(ControlId::Saat0);
    return offset >= 0 && offset < kSaatCount ? offset : -1;
}

constexpr int OptHizliIndex(ControlId id) noexcept
{
    const int offset = static_cast<int>(id) - static_cast<int>(ControlId::OptHizli0);
    return offset >= 0 && offset < kOptHizliCount ? offset : -1;
}

enum class MenuItem : int
{
    secenek = 100,
    secenekler = 110,
    SaateGore = 111,
    ProgramaGore = 112,
    KapamaTuru = 120,
    BilgisayariKapat = 121,
    OturumuKapat = 122,
    BilgisayariYenidenBaslat = 123,
    Cizgi = 130,
    Cikis = 131,
    ProgramHakkinda = 200,
    mPopupSys = 300,
    mPopRestore = 301,
    Bos = 302,
    mPopExit = 303,
};

} // namespace dorvik
