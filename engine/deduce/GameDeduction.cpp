#include "deduce/GameDeduction.h"

#include "deduce/DecidableDeal.h"
#include "game/PlaceAtoms.h"

namespace orbalux {

Game dealGame(const GameSettings& settings, RandomSource& random, SearchBudget& budget, int maxDeals)
{
    if (!settings.DealDecidableOnly)
        return Game(settings, random);
    // Each deal reseeds the source, so every one is a fresh layout.
    const auto deal = [&] { return PlaceAtoms(settings.GridSize, settings.AtomCount, random).AtomMap; };
    const DecidableDeal dealt = dealDecidableField(deal, settings.GridSize, maxDeals, budget);
    return Game(settings, AtomDeal{dealt.atoms, static_cast<std::int16_t>(dealt.atoms.count()), {}});
}

Deduction deduceField(const Game& game, SearchBudget& budget)
{
    return deduceField(game.board().fieldSize(), game.AtomCount(), game.observations(), budget);
}

FieldProof proveField(const Game& game, SearchBudget& budget)
{
    return proveField(game.board().fieldSize(), game.AtomCount(), game.observations(), budget);
}

FieldReview reviewGame(const Game& game, SearchBudget& budget)
{
    return reviewField(game.board().fieldSize(), game.AtomMap(), game.AtomCount(), game.shotsFired(), budget);
}

std::vector<MarkDisagreement> checkMarks(const Game& game)
{
    return checkMarks(game.board().fieldSize(), game.marks(), game.observations());
}

} // namespace orbalux
