// WinnableDeal.cpp
#include "screens/WinnableDeal.hpp"

#include "levels/TLevel.hpp"
#include "media/Platform.hpp"

#include <algorithm>

ChosenDeal dealWinnable(const std::function<std::shared_ptr<TLevel>()>& deal,
                        const std::function<rules::Layout(const TLevel&)>& layout, const DealTries& limits)
{
    media::Random& random = media::random();
    const auto first = static_cast<std::uint32_t>(random.rand(0, 0x3fffffff));
    ChosenDeal best;
    long long spent = 0;
    for (int k = 0; k < std::max(1, limits.tries); ++k) {
        const std::uint32_t seed = first + static_cast<std::uint32_t>(k);
        random.seed(seed);
        ChosenDeal tried;
        tried.level = deal();
        tried.seed = seed;
        tried.tries = k + 1;
        // A level that cannot be read or holds no cards is not dealt again.
        if (!tried.level || tried.level->cards.empty())
            return tried;
        const long long budget = std::min(limits.nodesPerTry, limits.nodesInAll - spent);
        if (budget <= 0) {
            if (!best.level)
                best = tried;
            break;
        }
        rules::SolveOptions options;
        options.nodeBudget = budget;
        const rules::SolveResult result = rules::solve(rules::dealtForPlay(layout(*tried.level)), options);
        spent += result.nodes;
        tried.verdict = result.winnable;
        tried.cardsLeftMin = result.cardsLeftMin;
        if (result.winnable == rules::Verdict::Yes)
            return tried;
        if (!best.level || tried.cardsLeftMin < best.cardsLeftMin)
            best = tried;
        best.tries = k + 1;
    }
    return best;
}
