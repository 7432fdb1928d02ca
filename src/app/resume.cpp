#include "app/resume.h"

#include "interaction/memory.h"

namespace bw {

ResumeRecord RecordOfTheGame() {
    ResumeRecord r = ResumeRecordOf(ProgramGame());
    if (r.game.turningBack) {
        for (CardCode c : FaceUpGridCodes()) {
            std::string& line = r.game.CardRegister[static_cast<size_t>(c - 1)];
            line[line.size() - 1] = '0';
        }
        r.game.turningBack = false;
    }
    return r;
}

}  // namespace bw
