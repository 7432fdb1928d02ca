#pragma once
// Carrying out moves for every game: by target pile name or stock operation.
#include <string>

#include "core/cards.h"

namespace bw {

// -99 "Mazzo", -98 "Mazzo_Vis", -1..-16 foundation, 1..40 tableau,
// -21..-30 reserve cell, 0 nowhere.
int LocateCard(CardCode c);
// Offers a card to the foundations from `first` (0-based; -1 = from the
// first); true when it was moved onto one.
bool OfferToFoundations(CardCode c, int first);
// The deal's grouped variant: position 0-3 tries foundations 1-4, 6-9
// foundations 5-8, any other position foundations 1-8.
bool OfferToFoundationsGrouped(CardCode c, int position);

// Carries out a move by target name (a pile, or a stock operation such as
// "Mazzo_Vis", "Add_Tableaus", "Selezionate_Dest"); true when something moved.
// The card moved is the one held (option 94) unless the operation says otherwise.
bool ExecuteMove(int count, const std::string& target);

}  // namespace bw
