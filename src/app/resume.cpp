#include "app/resume.h"

#include "interaction/memory.h"

namespace bw {

ResumeRecord RecordOfTheGame(const Game& g) {
    ResumeRecord r = ResumeRecordOf(g);
    if (r.game.turningBack) {
        for (CardCode c : FaceUpGridCodes(g)) {
            std::string& line = r.game.CardRegister[static_cast<size_t>(c - 1)];
            line[line.size() - 1] = '0';
        }
        r.game.turningBack = false;
    }
    return r;
}

}  // namespace bw
