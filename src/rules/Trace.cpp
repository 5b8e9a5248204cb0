// Trace.cpp
#include "rules/Trace.hpp"

#include <cstdio>

namespace rules
{
namespace
{
// The name a kind is traced under, or none.
const char* traceName(const Event& e)
{
    switch (e.kind) {
    case EventKind::Deal: return "deal";
    case EventKind::Play: return "play";
    case EventKind::Deck: return "deck";
    case EventKind::Uncover: return "uncover";
    case EventKind::Coin: return "coin";
    case EventKind::DriveEnd: return e.length > 0 ? "drive-end" : nullptr;
    case EventKind::SwordPick:
    case EventKind::DeckSword: return "sword-pick";
    case EventKind::SwordUse: return "sword-use";
    case EventKind::HammerLeave: return "hammer-leaves";
    case EventKind::RocksOpen: return "rocks-open";
    case EventKind::Multiplier: return "multiplier";
    case EventKind::LevelEnd: return "level-end";
    case EventKind::Undo: return "undo";
    case EventKind::Refuse:
    case EventKind::Take: return nullptr;
    }
    return nullptr;
}
} // namespace

const char* undoName(UndoKind kind)
{
    switch (kind) {
    case UndoKind::CardPlayed: return "KARTA-ZDJETA";
    case UndoKind::DeckCard: return "KARTA-DODANA";
    case UndoKind::SwordUsed: return "UZYTO-SWORD";
    case UndoKind::SwordPicked: return "PICK-UP-SWORD";
    }
    return "";
}

std::string digestText(std::uint64_t digest)
{
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(digest));
    return text;
}

std::string traceLine(long long frame, const Event& e, const Board& b)
{
    const char* name = traceName(e);
    if (!name)
        return {};
    const std::optional<Identity> top = b.spotCard();
    const int tenths = b.multiplierTenths();
    char line[256];
    std::snprintf(line, sizeof line,
                  "frame=%lld event=%s card=%d spot=%d deck=%d table=%d score=%lld drive=%d multiplier=%d.%d "
                  "digest=%s",
                  frame, name, e.card.id, top ? top->id : 0, static_cast<int>(b.deck().size()),
                  b.tableCount(), b.score(), b.driveN(), tenths / 10, tenths % 10,
                  digestText(b.digest()).c_str());
    return line;
}
} // namespace rules
