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
// The notification a minute before the closing begins, by kind, and how to stop it.
inline constexpr auto kWarningBilgisayariKapat = L"Bilgisayar bir dakika sonra kapatılacak."sv;
inline constexpr auto kWarningBilgisayariYenidenBaslat =
    L"Bilgisayar bir dakika sonra yeniden başlatılacak."sv;
inline constexpr auto kWarningOturumuKapat = L"Oturum bir dakika sonra kapatılacak."sv;
inline constexpr auto kWarningUyku = L"Bilgisayar bir dakika sonra uyku moduna geçecek."sv;
inline constexpr auto kWarningHazirda = L"Bilgisayar bir dakika sonra hazırda bekletilecek."sv;
inline constexpr auto kWarningHowToCancel = L"Vazgeçmek için buraya tıklayın."sv;
// After the sentence of the balloon and of the last-minute window of a rehearsal.
inline constexpr auto kRehearsalMark = L" (deneme)"sv;
// What a rehearsal says when it has run the whole road, by kind: the request it did not make.
inline constexpr auto kRehearsedShutdown = L"Deneme bitti: bilgisayar şimdi kapatılacaktı."sv;
inline constexpr auto kRehearsedRestart = L"Deneme bitti: bilgisayar şimdi yeniden başlatılacaktı."sv;
inline constexpr auto kRehearsedLogOff = L"Deneme bitti: oturum şimdi kapatılacaktı."sv;
inline constexpr auto kRehearsedSleep = L"Deneme bitti: bilgisayar şimdi uyku moduna geçecekti."sv;
inline constexpr auto kRehearsedHibernate = L"Deneme bitti: bilgisayar şimdi hazırda bekletilecekti."sv;

// The last-minute window: its sentence by kind, with the whole seconds left between the two halves, and
// its buttons.
inline constexpr auto kCountdownBilgisayarBefore = L"Bilgisayar "sv;
inline constexpr auto kCountdownOturumBefore = L"Oturum "sv;
inline constexpr auto kCountdownKapatilacakAfter = L" saniye sonra kapatılacak."sv;
inline constexpr auto kCountdownYenidenBaslatilacakAfter = L" saniye sonra yeniden başlatılacak."sv;
inline constexpr auto kCountdownUykuAfter = L" saniye sonra uyku moduna geçecek."sv;
inline constexpr auto kCountdownHazirdaAfter = L" saniye sonra hazırda bekletilecek."sv;
inline constexpr auto kBtnVazgec = L"&Vazgeç"sv;
inline constexpr auto kBtnErtele = L"&10 Dakika Ertele"sv;

// An armed closing in one line, as the icon's tip and "/durum" give it: "Kapatma 23:30:00 (1 sa 12 dk
// kaldı)", "Kapatma: izlenen pencere kapandıktan 30 dk sonra" (the moment after the kind and ": ").
inline constexpr auto kStatusShutdown = L"Kapatma"sv;
inline constexpr auto kStatusRestart = L"Yeniden başlatma"sv;
inline constexpr auto kStatusLogOff = L"Oturum kapatma"sv;
inline constexpr auto kStatusSleep = L"Uyku"sv;
inline constexpr auto kStatusHibernate = L"Hazırda bekletme"sv;
inline constexpr auto kStatusRehearsal = L"Deneme: "sv;
inline constexpr auto kStatusLeft = L" kaldı)"sv;
inline constexpr auto kStatusWhenWindowGoes = L"izlenen pencere kapanınca"sv;
inline constexpr auto kStatusAfterWindowBefore = L"izlenen pencere kapandıktan "sv;
inline constexpr auto kStatusAfterWindowAfter = L" sonra"sv;
inline constexpr auto kStatusAfterWindowAt = L"izlenen pencere kapandıktan sonra saat "sv;
// The same for a process ('%1' its name or number) and for the quiet ('%1' "bilgisayar 5 dk", "7z.exe 5 dk"),
// with how far the quiet has come: " (2 dk 10 sn oldu; işlemci %3, ağ 12 KB/sn)".
inline constexpr auto kStatusWhenProcessEnds = L"izlenen işlem (%1) bitince"sv;
inline constexpr auto kStatusAfterProcessBefore = L"izlenen işlem (%1) bittikten "sv;
inline constexpr auto kStatusAfterProcessAt = L"izlenen işlem (%1) bittikten sonra saat "sv;
inline constexpr auto kStatusWhenQuiet = L"%1 sessiz kalınca"sv;
inline constexpr auto kStatusAfterQuietBefore = L"%1 sessiz kaldıktan "sv;
inline constexpr auto kStatusAfterQuietAt = L"%1 sessiz kaldıktan sonra saat "sv;
inline constexpr auto kStatusQuietComputer = L"bilgisayar"sv;
inline constexpr auto kStatusQuietSoFar = L" oldu"sv;
inline constexpr auto kStatusQuietProcessor = L"; işlemci %"sv;
inline constexpr auto kStatusQuietNetwork = L", ağ "sv;
inline constexpr auto kStatusQuietInOut = L", G/Ç "sv;
inline constexpr auto kStatusQuietKilobytes = L" KB/sn"sv;
inline constexpr auto kUnitHour = L"sa"sv;
inline constexpr auto kUnitMinute = L"dk"sv;
inline constexpr auto kUnitSecond = L"sn"sv;
inline constexpr auto kNothingArmed = L"Kurulu kapama yok."sv;

// Why the computer is kept awake while a closing is armed, as Windows lists it ("powercfg /requests").
inline constexpr auto kAwakeAtBefore = L"Dorvik: kapama "sv;
inline constexpr auto kAwakeAtAfter = L" için kurulu"sv;
inline constexpr auto kAwakeWatching = L"Dorvik: kapama kurulu, izlenen pencerenin kapanması bekleniyor"sv;
inline constexpr auto kAwakeWatchingProcess = L"Dorvik: kapama kurulu, izlenen işlemin bitmesi bekleniyor"sv;
inline constexpr auto kAwakeWatchingQuiet = L"Dorvik: kapama kurulu, sessizlik bekleniyor"sv;

// What the records in the Application log say of where a closing was armed, cancelled or put off; the
// sentences themselves are the message table's (messages.mc).
inline constexpr auto kEventFromWindow = L"pencere"sv;
inline constexpr auto kEventFromCommandLine = L"komut satırı"sv;
inline constexpr auto kEventFromCountdown = L"son dakika penceresi"sv;
inline constexpr auto kEventFromExit = L"programdan çıkıldı"sv;
inline constexpr auto kEventAfterStandingStill = L"bilgisayar ya da program durduktan sonra"sv;

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

// The command line. '%1' stands for the argument at fault, or the title of the missing window.
inline constexpr auto kCommandUnknown = L"'%1' tanınmayan bir argüman."sv;
inline constexpr auto kCommandMinutesMissing = L"'%1' bir dakika sayısı bekliyor."sv;
inline constexpr auto kCommandTimeMissing = L"'%1' SS:DD ya da SS:DD:ss biçiminde bir saat bekliyor."sv;
inline constexpr auto kCommandTitleMissing = L"'%1' bir pencere başlığı bekliyor."sv;
inline constexpr auto kCommandProcessMissing = L"'%1' bir işlem adı (7z.exe) ya da numarası bekliyor."sv;
inline constexpr auto kCommandPercentMissing = L"'%1' bir yüzde bekliyor."sv;
inline constexpr auto kCommandKilobytesMissing = L"'%1' saniyede kaç KB olduğunu bekliyor."sv;
inline constexpr auto kCommandBadMinutes =
    L"'%1' geçerli bir dakika sayısı değil: %2 1 ile 1440 arasında tam sayı bekliyor."sv;
inline constexpr auto kCommandBadQuietMinutes =
    L"'%1' geçerli bir dakika sayısı değil: %2 1 ile 240 arasında tam sayı bekliyor."sv;
inline constexpr auto kCommandBadPercent =
    L"'%1' geçerli bir yüzde değil: %2 1 ile 100 arasında tam sayı bekliyor."sv;
inline constexpr auto kCommandBadKilobytes =
    L"'%1' geçerli bir KB/sn değeri değil: %2 1 ile 1000000 arasında tam sayı bekliyor."sv;
inline constexpr auto kCommandProgramWith =
    L"/program ile %1 birlikte kullanılamaz: kapama tek bir şeyi izler."sv;
inline constexpr auto kCommandOnlyWithQuiet = L"'%1' yalnızca /sessiz ile birlikte verilebilir."sv;
inline constexpr auto kCommandBadTime =
    L"'%1' geçerli bir saat değil: /saat 00:00 ile 23:59:59 arasında SS:DD ya da SS:DD:ss bekliyor."sv;
inline constexpr auto kCommandEmptyTitle = L"'%1' boş olmayan bir pencere başlığı bekliyor."sv;
inline constexpr auto kCommandSecondKind = L"'%1' ikinci bir kapama türü: yalnızca bir tür verilebilir."sv;
inline constexpr auto kCommandSecondMoment = L"'%1' ikinci bir zaman: yalnızca bir zaman verilebilir."sv;
inline constexpr auto kCommandSecondProgram =
    L"'%1' ikinci kez verilmiş: yalnızca bir pencere izlenebilir."sv;
inline constexpr auto kCommandKindAlone =
    L"'%1' tek başına yetmez: bir zaman (/hemen, /sonra, /saat) ya da /program da verilmeli."sv;
inline constexpr auto kCommandWithCancel = L"'%1' ile /iptal birlikte kullanılamaz."sv;
inline constexpr auto kCommandWithStatus = L"'%1' ile /durum birlikte kullanılamaz."sv;
inline constexpr auto kCommandWithAwait = L"'%1' ile /bekle birlikte kullanılamaz."sv;
inline constexpr auto kCommandWithPostpone = L"'%1' ile /ertele birlikte kullanılamaz."sv;
inline constexpr auto kCommandTwice = L"'%1' ikinci kez verilmiş."sv;
inline constexpr auto kCommandSleepOff =
    L"Bu bilgisayar uyku moduna geçirilemiyor (modern bekleme kullanıyor olabilir): /uyku kurulamaz."sv;
inline constexpr auto kCommandHibernationOff =
    L"Bu bilgisayarda hazırda bekletme kapalı: /hazirda kurulamaz (\"powercfg /hibernate on\" ile açılabilir)."sv;
inline constexpr auto kCommandNothingToCancel = L"İptal edilecek kurulu bir kapama yok."sv;
inline constexpr auto kCommandNothingToPostpone = L"Ertelenecek kurulu bir kapama yok."sv;
inline constexpr auto kCommandNoSuchWindow = L"'%1' başlıklı bir pencere bulunamadı."sv;
inline constexpr auto kCommandNoSuchProcess =
    L"'%1' adında ya da numarasında çalışan bir işlem bulunamadı."sv;
inline constexpr auto kCommandProcessLoadNoAccess =
    L"'%1' işleminin ne kadar çalıştığı okunamıyor (yönetici olarak ya da başka bir kullanıcı için çalışıyor "
    L"olabilir): sessizliği izlenemez."sv;
inline constexpr auto kCommandProcessNoAccess =
    L"'%1' numaralı işlem izlenemiyor: Windows, Dorvik!'in onun bitişini beklemesine izin vermiyor."sv;
inline constexpr auto kCommandAlreadyArmed =
    L"Zaten kurulu bir kapama var: önce \"dorvik.exe /iptal\" ile iptal edin."sv;
inline constexpr auto kCommandBusy =
    L"Dorvik! şu anda meşgul (bir iletişim kutusu açık ya da kapama başladı): biraz sonra yeniden deneyin."sv;
inline constexpr auto kCommandNotOnUsersDesktop =
    L"Dorvik! yalnızca oturum açmış kullanıcının masaüstünde çalışır."sv;
inline constexpr auto kCommandRunningCopyElevated =
    L"Çalışan Dorvik! yönetici olarak çalışıyor: bu komutu da yönetici olarak çalıştırın."sv;
inline constexpr auto kCommandTooLong = L"Argümanlar, çalışan Dorvik!'e iletilemeyecek kadar uzun."sv;
inline constexpr auto kCommandNoAnswer = L"Çalışan Dorvik! yanıt vermedi: biraz sonra yeniden deneyin."sv;
inline constexpr auto kCommandOutcomeUnknown =
    L"Çalışan Dorvik! isteği aldı ama zamanında yanıt vermedi: istek yine de yerine getirilebilir. "
    L"Sonucu \"dorvik.exe /durum\" ile görebilirsiniz."sv;
// The usage, line by line; UsageText() ends each with a line break.
inline constexpr std::wstring_view kCommandUsage[] = {
    L"Kullanım:"sv,
    L"  dorvik.exe                                   pencereyi açar"sv,
    L"  dorvik.exe [TÜR] ZAMAN                       saate göre kapama kurar"sv,
    L"  dorvik.exe [TÜR] [ZAMAN] /program \"BAŞLIK\"   başlığı verilen pencere kapanınca kapama kurar"sv,
    L"  dorvik.exe [TÜR] [ZAMAN] /surec AD|NUMARA    o işlem bitince kapama kurar"sv,
    L"  dorvik.exe [TÜR] [ZAMAN] /sessiz DAKİKA      bilgisayar o kadar dakika sessiz kalınca kurar"sv,
    L"  dorvik.exe /iptal                            çalışan Dorvik!'teki kurulu kapamayı iptal eder"sv,
    L"  dorvik.exe /durum                            kurulu kapamanın ne zaman geleceğini yazar"sv,
    L"  dorvik.exe /ertele DAKİKA                    kurulu kapamayı o kadar dakika (1-1440) erteler"sv,
    L"  dorvik.exe /?                                bu yardımı gösterir"sv,
    L""sv,
    L"TÜR:    /kapat (/s) bilgisayarı kapatır (varsayılan), /yeniden (/r) yeniden başlatır,"sv,
    L"        /oturum (/l) oturumu kapatır, /uyku uyku moduna geçirir, /hazirda (/h) hazırda bekletir"sv,
    L"ZAMAN:  /hemen (varsayılan), /sonra DAKİKA (1-1440),"sv,
    L"        /saat SS:DD[:ss] (bugün; o saat geçtiyse yarın)"sv,
    L"        /program, /surec ve /sessiz ile ZAMAN, o an geldiğinden itibaren sayılır."sv,
    L"/sessiz DAKİKA (1-240): işlemci %YÜZDE'nin (/islemci, varsayılan 10) ve ağ KB/sn'nin"sv,
    L"        (/ag, varsayılan 50) altında; /surec ile o işlemin kendi işlemcisi ve G/Ç'si."sv,
    L"/deneme: kapama baştan sona denenir ama Windows'tan hiçbir şey istenmez;"sv,
    L"        tek başına ya da yalnız bir TÜR ile hemen denenir."sv,
    L"/iptal yerine /a, anahtarların başında / yerine - de yazılabilir."sv,
    L"\\ ile biten bir BAŞLIK'ta sondaki \\ iki kez yazılır: /program \"C:\\Belgeler\\\\\"."sv,
    L"Çalışan Dorvik! yoksa kapamayı bekleyen kopya kendi başına başlar; bu komut hemen biter."sv,
    L""sv,
    L"Çıkış kodları: 0 tamam, 1 kullanım hatası, 2 kurulu kapama yok,"sv,
    L"3 bu başlıkta pencere ya da bu işlem yok, 4 zaten kurulu bir kapama var, 5 Dorvik! meşgul,"sv,
    L"6 kullanıcı masaüstü yok, 7 çalışan Dorvik! yönetici olarak çalışıyor,"sv,
    L"8 istek iletildi ama yanıt gelmedi: sonucu bilinmiyor."sv,
};

} // namespace dorvik::text
