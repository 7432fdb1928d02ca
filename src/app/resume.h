#pragma once
// The game in play as a resume record (storage/resume_file.h keeps it in
// "DATA\Resume.dat").
#include "storage/resume_file.h"

namespace bw {

// The game `g`, with the cards of a missed pair still up in their
// turn-back pause turned down: nothing hidden is kept face up.
ResumeRecord RecordOfTheGame(const Game& g);

}  // namespace bw
