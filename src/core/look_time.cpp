#include "core/look_time.h"

#include <algorithm>

#include "core/families/family.h"
#include "core/param_fields.h"
#include "core/params.h"

namespace bw {

int ClampWrongPairMs(long long ms) {
    return static_cast<int>(std::clamp<long long>(ms, kWrongPairMsStandard, kWrongPairMsMax));
}

int ClampStudySeconds(long long seconds) {
    return static_cast<int>(std::clamp<long long>(seconds, kStudySecondsMin, kStudySecondsMax));
}

int WrongPairMs() {
    return ClampWrongPairMs(ParameterInt(field::kWrongPairMs, kWrongPairMsStandard));
}

int StudySeconds() {
    return ClampStudySeconds(ParameterInt(field::kStudySeconds, kStudySecondsStandard));
}

int LookTimeOfGame(int goalKind) {
    // The grids turn a wrong pair or sequence back; "Forget me not" has its
    // memorise phase.
    if (goalKind == goal::kForgetMeNot) {
        const int s = StudySeconds();
        return s == kStudySecondsStandard ? 0 : s * 1000;
    }
    if (IsMemoryKind(goalKind)) {
        const int ms = WrongPairMs();
        return ms == kWrongPairMsStandard ? 0 : ms;
    }
    return 0;
}

}  // namespace bw
