#include "scheduler/KindTexts.h"

#include "resources/UiText.h"

namespace dorvik::scheduler
{

namespace
{

constexpr KindTexts kShutdown{text::kWarningBilgisayariKapat, text::kCountdownBilgisayarBefore,
                              text::kCountdownKapatilacakAfter, text::kStatusShutdown};
constexpr KindTexts kRestart{text::kWarningBilgisayariYenidenBaslat, text::kCountdownBilgisayarBefore,
                             text::kCountdownYenidenBaslatilacakAfter, text::kStatusRestart};
constexpr KindTexts kLogOff{text::kWarningOturumuKapat, text::kCountdownOturumBefore,
                            text::kCountdownKapatilacakAfter, text::kStatusLogOff};

} // namespace

const KindTexts& TextsFor(ClosingKind kind) noexcept
{
    switch (kind)
    {
    case ClosingKind::Restart:
        return kRestart;
    case ClosingKind::LogOff:
        return kLogOff;
    case ClosingKind::Shutdown:
        break;
    }
    return kShutdown;
}

} // namespace dorvik::scheduler
