#include "scheduler/KindTexts.h"

#include "resources/UiText.h"

namespace dorvik::scheduler
{

namespace
{

constexpr KindTexts kShutdown{text::kWarningBilgisayariKapat, text::kCountdownBilgisayarBefore,
                              text::kCountdownKapatilacakAfter, text::kStatusShutdown,
                              text::kRehearsedShutdown};
constexpr KindTexts kRestart{text::kWarningBilgisayariYenidenBaslat, text::kCountdownBilgisayarBefore,
                             text::kCountdownYenidenBaslatilacakAfter, text::kStatusRestart,
                             text::kRehearsedRestart};
constexpr KindTexts kLogOff{text::kWarningOturumuKapat, text::kCountdownOturumBefore,
                            text::kCountdownKapatilacakAfter, text::kStatusLogOff, text::kRehearsedLogOff};
constexpr KindTexts kSleep{text::kWarningUyku, text::kCountdownBilgisayarBefore, text::kCountdownUykuAfter,
                           text::kStatusSleep, text::kRehearsedSleep};
constexpr KindTexts kHibernate{text::kWarningHazirda, text::kCountdownBilgisayarBefore,
                               text::kCountdownHazirdaAfter, text::kStatusHibernate,
                               text::kRehearsedHibernate};

} // namespace

const KindTexts& TextsFor(ClosingKind kind) noexcept
{
    switch (kind)
    {
    case ClosingKind::Restart:
        return kRestart;
    case ClosingKind::LogOff:
        return kLogOff;
    case ClosingKind::Sleep:
        return kSleep;
    case ClosingKind::Hibernate:
        return kHibernate;
    case ClosingKind::Shutdown:
        break;
    }
    return kShutdown;
}

} // namespace dorvik::scheduler
