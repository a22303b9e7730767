#include "main/Announcements.h"

#include "grid/BoardLook.h"

namespace orbalux {

namespace {

QString outcomeWords(const ShotResult& shot)
{
    switch (shot.outcome) {
    case Outcome::Hit: return QStringLiteral("Hit");
    case Outcome::Reflection: return QStringLiteral("Reflection");
    case Outcome::Deflection: return QStringLiteral("Deflection ") + QString::fromStdString(shot.letter);
    case Outcome::None: break;
    }
    return {};
}

} // namespace

QString shotAnnouncement(const Board& board, const ShotResult& shot, std::int16_t score)
{
    if (shot.outcome == Outcome::None)
        return {};
    QString text = outcomeWords(shot) + QStringLiteral(": in at ") + cellPlace(board, shot.entry);
    if (shot.outcome == Outcome::Deflection)
        text += QStringLiteral(", out at ") + cellPlace(board, shot.exit);
    return text + QStringLiteral(". Score %1.").arg(score);
}

QString markAnnouncement(const Board& board, const MarkResult& mark, std::int16_t atoms)
{
    return QStringLiteral("%1 %2. %3 of %4 marked.")
        .arg(mark.marked ? QStringLiteral("Marked") : QStringLiteral("Unmarked"), cellPlace(board, mark.cell))
        .arg(mark.MarkedCount)
        .arg(atoms);
}

// The results line pads its numbers with blanks, which a speech engine would read as pauses.
QString gameAnnouncement(const QString& results, const Game& game, std::int16_t bestScore)
{
    return QStringLiteral("%1 Atoms in game %2, marked %3. Score %4, best score %5.")
        .arg(results.simplified())
        .arg(game.AtomCount())
        .arg(game.MarkedCount())
        .arg(game.Score())
        .arg(bestScore);
}

} // namespace orbalux
