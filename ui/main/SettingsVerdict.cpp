#include "main/SettingsVerdict.h"

namespace orbalux {

SettingsVerdict judgeSettingsVisit(bool changedBefore, const SettingsVisit& visit, bool gameInProgress)
{
    const bool changed = visit.accepted && (changedBefore || visit.changed);
    return {changed, changed && gameInProgress};
}

} // namespace orbalux
