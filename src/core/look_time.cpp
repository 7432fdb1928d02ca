#include "core/look_time.h"

#include <algorithm>

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
    // 36 and 39 turn a wrong pair or sequence back, 37 as well; 38 is
    // "Forget me not" with its memorise phase.
    if (goalKind == 38) {
        const int s = StudySeconds();
        return s == kStudySecondsStandard ? 0 : s * 1000;
    }
    if (goalKind >= 36 && goalKind <= 39) {
        const int ms = WrongPairMs();
        return ms == kWrongPairMsStandard ? 0 : ms;
    }
    return 0;
}

}  // namespace bw
