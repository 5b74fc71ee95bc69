// Every text the program shows, exactly as the user reads it, in one place.
#pragma once

#include <string_view>

namespace dorvik::text
{

using namespace std::string_view_literals;

// The main window.
inline constexpr auto kCaption = L"Dorvik! V1.0"sv;
inline constexpr auto kSaatSec = L"Saati Giriniz"sv;
inline constexpr auto kSaatInitialHour = L"24"sv;
inline constexpr auto kSaatInitialMinuteSecond = L"60"sv;
inline constexpr auto kColon = L":"sv;
inline constexpr auto kCommand2 = L"T&amam"sv;
inline constexpr auto kFrmKapama = L"Kapama Saati"sv;
inline constexpr std::wstring_view kOptHizli[] = {L"Hemen!"sv, L"Yarım Saat Sonra"sv, L"Bir Saat Sonra"sv,
                                                  L"İki Saat Sonra"sv, L"Saati Belirle"sv};
inline constexpr auto kBtnDorvik = L"&Dorvik !!!"sv;

// The menus.
inline constexpr auto kMenuSecenek = L"Dorvik!"sv;
inline constexpr auto kMenuSecenekler = L"Kapama Seçenekleri"sv;
inline constexpr auto kMenuSaateGore = L"Saate Göre"sv;
inline constexpr auto kMenuProgramaGore = L"Programa Göre"sv;
inline constexpr auto kMenuKapamaTuru = L"Kapama Türü"sv;
inline constexpr auto kMenuBilgisayariKapat = L"Bilgisayarı Kapat"sv;
inline constexpr auto kMenuOturumuKapat = L"Oturumu Kapat"sv;
inline constexpr auto kMenuBilgisayariYenidenBaslat = L"Bilgisayarı Yeniden Başlat"sv;
inline constexpr auto kMenuCikis = L"&Çıkış"sv;
inline constexpr auto kMenuProgramHakkinda = L"Yardım"sv;
inline constexpr auto kMenuPopupSys = L"&SysTray"sv;
inline constexpr auto kMenuPopRestore = L"&Geri Getir"sv;
inline constexpr auto kMenuPopExit = L"Çı&kış"sv;

// The status bar.
inline constexpr auto kSistemHazirlaniyor = L"Sistem hazırlanıyor..."sv;

// Message boxes.
inline constexpr auto kAlreadyRunning = L"The program is already running..."sv;
inline constexpr auto kConfirmTitle = L"Dorvik"sv;
inline constexpr auto kSubjectWindows = L"Windows"sv;
inline constexpr auto kSubjectOturumunuz = L"Oturumunuz"sv;
inline constexpr auto kWhenClock = L" belirttiğiniz zamanda "sv;
inline constexpr auto kWhenApplication =
    L" belirttiğiniz program kapatıldığı zaman ve belirttiğiniz kadar süre geçince "sv;
inline constexpr auto kVerbKapatilacak = L"kapatılacaktır!"sv;
inline constexpr auto kVerbYenidenBaslatilacak = L"yeniden başlatılacaktır!"sv;
inline constexpr auto kEminMisiniz = L"Emin misiniz?"sv;
inline constexpr auto kCancelled = L"Önce belirlediğiniz kapama işlemi iptal edilmiştir!"sv;
inline constexpr auto kKindChangedBilgisayariKapat =
    L"Önce belirlediğiniz kapama türü ' Bilgisayarı Kapat ' olarak değiştirilmiştir!"sv;
inline constexpr auto kKindChangedBilgisayariYenidenBaslat =
    L"Önce belirlediğiniz kapama türü ' Bilgisayarı Yeniden Başlat ' olarak değiştirilmiştir!"sv;
inline constexpr auto kKindChangedOturumuKapat =
    L"Önce belirlediğiniz kapama türü ' Oturumu Kapat ' olarak değiştirilmiştir!"sv;
inline constexpr auto kClosingFailed = L"Kapama işlemi gerçekleştirilemedi!"sv;
inline constexpr auto kTimerFailed = L"Zamanlayıcı kurulamadı: Dorvik! zamanı izleyemez ve kapanacak."sv;

// The help text, paragraph by paragraph; HelpText() joins them with their line breaks.
inline constexpr auto kHelpWhat =
    L"Program windows'unuzu istediğiniz saatte yada belirlediğiniz bir program sona erdiği zaman, siz "
    L"bilgisayarınızın başında olmasanız bile kapamanıza, yeniden başlatmanıza ve oturumunun kapatılmasına "
    L"olanak sağlar."sv;
inline constexpr auto kHelpIcons =
    L"Dorvik! programının ikonları size bilgi verir. Örneğin ikonun yeşil olması herhangi bir kapama seçimi "
    L"yapılmadığını, sarı ikon; kapama seçiminin yapıldığını, kırmızı ikon ise bilgisayarın "
    L"kapatılma-yeniden başlatma-oturum kapatma durumuna geçildiği anlamına gelmektedir."sv;
inline constexpr auto kHelpDisclaimer =
    L"Bu programı hazırlayan Dorvik geliştiricileri (Dorvik Projesi), programın kullanımından doğabilecek "
    L"herhangi bir zarardan sorumlu tutulamaz. Programı kullanan bu koşulları kabul etmiş sayılır!"sv;
inline constexpr auto kHelpContact =
    L"Program hakkındaki istek ve önerilerinizi Dorvik geliştiricilerinin dorvik@example.org anlık "
    L"mesajlaşma ve e-posta adresine gönderebilirsiniz."sv;
inline constexpr auto kHelpWebPrefix = L"Internet Adresim : "sv;
inline constexpr auto kHelpWebAddress = L"https://dorvik.example.org/"sv;

// The picker.
inline constexpr auto kPickerWindowText = L"Form2"sv;
inline constexpr auto kUygulamalar = L"Uygulamalar"sv;
inline constexpr auto kPickerCommand2 = L"Va&zgeç"sv;
inline constexpr auto kBtnUygulamaSec = L"Uygulamayı &Seç"sv;
inline constexpr auto kYenile = L"Y&enile"sv;
inline constexpr auto kUygulamaSeciniz = L"-- Uygulama Seçiniz --"sv;

} // namespace dorvik::text
