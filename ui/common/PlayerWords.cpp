#include "common/PlayerWords.h"

#include "game/BorderCell.h"
#include "game/DeflectionLetter.h"

#include <QStringList>

#include <algorithm>

namespace orbalux {

namespace {

constexpr std::size_t kListedDisagreements = 10;

// A border cell's side; the callers hand only border cells.
Side sideOf(const Board& board, CellPos pos)
{
    return board.sideOf(pos).value_or(Side::Left);
}

// Counted along the side from the top or the left, as the player moves along it.
int placeAlongSide(const Board& board, CellPos pos)
{
    const Side side = sideOf(board, pos);
    return side == Side::Top || side == Side::Bottom ? pos.column : pos.row;
}

QString borderPlace(const Board& board, CellPos pos)
{
    const int along = placeAlongSide(board, pos);
    switch (sideOf(board, pos)) {
    case Side::Top: return PlayerWords::tr("top %1").arg(along);
    case Side::Bottom: return PlayerWords::tr("bottom %1").arg(along);
    case Side::Left: return PlayerWords::tr("left %1").arg(along);
    case Side::Right: break;
    }
    return PlayerWords::tr("right %1").arg(along);
}

QString borderName(const Board& board, CellPos pos)
{
    const int along = placeAlongSide(board, pos);
    switch (sideOf(board, pos)) {
    case Side::Top: return PlayerWords::tr("top border %1").arg(along);
    case Side::Bottom: return PlayerWords::tr("bottom border %1").arg(along);
    case Side::Left: return PlayerWords::tr("left border %1").arg(along);
    case Side::Right: break;
    }
    return PlayerWords::tr("right border %1").arg(along);
}

QString cornerPlace(CellPos pos)
{
    if (pos.row == 0)
        return pos.column == 0 ? PlayerWords::tr("top left corner") : PlayerWords::tr("top right corner");
    return pos.column == 0 ? PlayerWords::tr("bottom left corner") : PlayerWords::tr("bottom right corner");
}

QString borderResult(const Board& board, const Cell& cell)
{
    switch (cell.shot) {
    case Outcome::Hit: return PlayerWords::tr(", hit");
    case Outcome::Reflection: return PlayerWords::tr(", reflection");
    case Outcome::Deflection:
        return PlayerWords::tr(", deflection %1, comes out at %2")
            .arg(QString::fromStdString(deflectionLetter(cell.letter)), PlayerWords::cellPlace(board, cell.partner));
    case Outcome::None: break;
    }
    return {};
}

QString fieldDescription(const Board& board, CellPos pos)
{
    const Cell& cell = board.cell(pos);
    QString description = PlayerWords::cellPlace(board, pos);
    if (cell.atomRevealed)
        description += PlayerWords::tr(", atom");
    if (cell.marked)
        description += PlayerWords::tr(", marked");
    if (cell.trace != SegmentKind::None)
        description += PlayerWords::tr(", laser path");
    return description;
}

// The results line shows each number after a blank of its own, where a minus sign would stand.
QString padded(long long n)
{
    return QLatin1Char(' ') + QString::number(n);
}

// English picks the singular by n == 1 alone; a translation with other plural rules needs %n.
QString atomCount(int n)
{
    return n == 1 ? PlayerWords::tr("%1 atom").arg(n) : PlayerWords::tr("%1 atoms").arg(n);
}

QString markCount(int n)
{
    return n == 1 ? PlayerWords::tr("%1 mark").arg(n) : PlayerWords::tr("%1 marks").arg(n);
}

QString shotCount(int n)
{
    return n == 1 ? PlayerWords::tr("%1 shot").arg(n) : PlayerWords::tr("%1 shots").arg(n);
}

QString pointCount(int n)
{
    return n == 1 ? PlayerWords::tr("%1 point").arg(n) : PlayerWords::tr("%1 points").arg(n);
}

QString emptyCellCount(int n)
{
    return n == 1 ? PlayerWords::tr("%1 empty cell").arg(n) : PlayerWords::tr("%1 empty cells").arg(n);
}

// Border cells as the announcements name them, in the order given.
QString placeList(const Board& board, const std::vector<CellPos>& cells)
{
    QStringList places;
    for (const CellPos cell : cells)
        places << PlayerWords::cellPlace(board, cell);
    return places.join(QStringLiteral(", "));
}

QString decisionLine(const FieldReview& review, int atoms)
{
    switch (review.decision) {
    case FieldReview::Decision::BeforeFirstShot: return PlayerWords::tr("The field was decided before your first shot.");
    case FieldReview::Decision::AtShot:
        //: %1 counts the shots in firing order, from 1.
        return PlayerWords::tr("Your shots decided the field with shot %1.").arg(review.decidingShot);
    case FieldReview::Decision::Never:
        return PlayerWords::tr("Your shots did not decide the field: more than one way of hiding %1 fits them all.")
            .arg(atomCount(atoms));
    case FieldReview::Decision::Unknown: break;
    }
    return PlayerWords::tr("Orbalux could not work out in time when your shots decided the field.");
}

QString newsLine(const FieldReview& review, const Board& board)
{
    if (!review.informationKnown)
        return PlayerWords::tr("Orbalux could not work out in time which of your shots told you something new.");
    if (review.toldNothingNew.empty())
        return PlayerWords::tr("Every shot told you something new.");
    //: %1 lists border cells as the announcements name them, "left 4, top 7".
    return PlayerWords::tr("Shots that told you nothing new: %1.").arg(placeList(board, review.toldNothingNew));
}

QString parLine(const FieldReview& review, const Board& board, int atoms)
{
    const QString points = QString::number(review.parPoints);
    switch (review.par) {
    case FieldReview::Par::Found:
        //: %1 is a number of points; %2 lists border cells, "top 2, right 5".
        return PlayerWords::tr("The fewest points that decide this field: %1, firing from %2.")
            .arg(points, placeList(board, review.parEntries));
    case FieldReview::Par::Impossible:
        return PlayerWords::tr("No choice of shots decides this field: firing from every border cell leaves more "
                               "than one way of hiding %1.").arg(atomCount(atoms));
    case FieldReview::Par::BestSoFar:
        return PlayerWords::tr("Orbalux could not work out in time the fewest points that decide this field; "
                               "the fewest found: %1, firing from %2.").arg(points, placeList(board, review.parEntries));
    case FieldReview::Par::Unknown: break;
    }
    return PlayerWords::tr("Orbalux could not work out in time the fewest points that decide this field.");
}

QString outcomeWords(const Observation& shot, std::int16_t gridSize)
{
    switch (shot.outcome) {
    case Outcome::Hit: return PlayerWords::tr("a hit");
    case Outcome::Reflection: return PlayerWords::tr("a reflection");
    case Outcome::Deflection:
        return PlayerWords::tr("a deflection out at %1").arg(BorderCell::numberOf(gridSize, shot.exit));
    case Outcome::None: break;
    }
    return PlayerWords::tr("no shot");
}

QString disagreementLine(const MarkDisagreement& shot, std::int16_t gridSize)
{
    return PlayerWords::tr("Border cell %1: your marks give %2, the board shows %3.")
        .arg(QString::number(shot.entryNumber), outcomeWords(shot.marked, gridSize), outcomeWords(shot.shown, gridSize));
}

} // namespace

QString PlayerWords::newGameQuestion()
{
    return tr("You are already in a game.  Do you want to start a new game?");
}

QString PlayerWords::boardTooLarge()
{
    //: "choosen" is the game's own spelling.
    return tr("You have choosen a grid size larger than what can fit on your screen.  Try using a smaller grid.");
}

QString PlayerWords::startUpError(int number, const QString& description)
{
    //: "occured" is the game's own spelling; %2 is the system's description of the error.
    return tr("Error Number: %1 occured.  %2").arg(number).arg(description);
}

QString PlayerWords::instructionsHint()
{
    return tr("Open the file 'Instruct.doc' for detailed information about using this product.");
}

QString PlayerWords::sysInfoUnavailable()
{
    return tr("System Information Is Unavailable At This Time");
}

QString PlayerWords::instructions(bool showsNumbers)
{
    if (showsNumbers)
        return tr("Click a number on the edge of the field, or place/remove atoms on the field. "
                  "Click Solved! when you think you have placed the atom correctly.");
    return tr("Click a light blue square on the edge of the field, or place/remove atoms on the field. "
              "Click Solved! when you think you have placed the atom correctly.");
}

QString PlayerWords::explanation(Outcome outcome, const std::string& letter)
{
    switch (outcome) {
    case Outcome::Hit: return tr("H means your laser Hit an atom.");
    case Outcome::Reflection:
        return tr("R means either your laser was unable to go in because of an adjacent atom "
                  "or it came out the same place it went in.");
    case Outcome::Deflection:
        //: %1 is the deflection's letter on the border.
        return tr("\"%1\" means your laser went in one place and out another.")
            .arg(QString::fromStdString(letter));
    case Outcome::None: break;
    }
    return {};
}

QString PlayerWords::refusal(Refusal::Kind kind)
{
    switch (kind) {
    case Refusal::Kind::NoGame: return tr("Cheating Zindra? You can't make any changes until you start a new game.");
    case Refusal::Kind::Corner: break;
    }
    return tr("Don't select corner cells, silly!");
}

QString PlayerWords::badDraw(BadDraw draw)
{
    return draw == BadDraw::Row ? tr("Bad #1") : tr("Bad #2");
}

QString PlayerWords::solved(const SolveResult& result)
{
    switch (result.kind) {
    case SolveResult::Kind::WrongMarkCount:
        //: %1 comes with a blank before it.
        return tr("You do not have exactly %1 atoms marked.").arg(padded(result.atoms));
    case SolveResult::Kind::NotAllFound:
        //: %1 comes with a blank before it.
        return tr("Rats! You only found %1 of the atoms!  Click New Game to go again...").arg(padded(result.found));
    case SolveResult::Kind::AllFound: break;
    }
    //: %1 and %2 come with a blank before them.
    return tr("Groovy! You found all %1 atoms in%2 seconds!  Click New Game to go again...")
        .arg(padded(result.atoms), padded(result.seconds));
}

QString PlayerWords::shotsEnough(Verdict verdict, int atoms)
{
    switch (verdict) {
    case Verdict::Unique:
        return tr("Your shots decide the field: only one way of hiding %1 fits them all.").arg(atomCount(atoms));
    case Verdict::Several:
        return tr("Your shots do not decide the field yet: more than one way of hiding %1 fits them all.")
            .arg(atomCount(atoms));
    // The game's own board always fits its atoms, so anything else means the search gave up.
    case Verdict::NoLayout:
    case Verdict::Unknown:
    case Verdict::Invalid: break;
    }
    return tr("Orbalux could not work out in time whether your shots decide the field.");
}

QString PlayerWords::marksCheck(const std::vector<MarkDisagreement>& disagreements, std::int16_t gridSize, int marks,
    int atoms)
{
    QString text = disagreements.empty()
        ? tr("Your marks agree with every shot on the board.")
        : tr("Your marks disagree with %1 of your shots.").arg(QString::number(disagreements.size()));
    const std::size_t listed = std::min(disagreements.size(), kListedDisagreements);
    for (std::size_t i = 0; i < listed; ++i)
        text += QLatin1Char('\n') + disagreementLine(disagreements[i], gridSize);
    if (marks != atoms)
        text += QLatin1Char('\n') + tr("You have %1 for %2.").arg(markCount(marks), atomCount(atoms));
    return text;
}

QString PlayerWords::shotAnnouncement(const Board& board, const ShotResult& shot, std::int16_t score)
{
    const QString entry = cellPlace(board, shot.entry);
    const QString scored = QString::number(score);
    switch (shot.outcome) {
    case Outcome::Hit: return tr("Hit: in at %1. Score %2.").arg(entry, scored);
    case Outcome::Reflection: return tr("Reflection: in at %1. Score %2.").arg(entry, scored);
    case Outcome::Deflection:
        return tr("Deflection %1: in at %2, out at %3. Score %4.")
            .arg(QString::fromStdString(shot.letter), entry, cellPlace(board, shot.exit), scored);
    case Outcome::None: break;
    }
    return {};
}

QString PlayerWords::proofAnnouncement(const QString& shotAnnouncement, int provenAtoms, int provenEmpty)
{
    //: %1 is the shot's announcement; %2 and %3 count atoms and empty cells.
    return tr("%1 Now proven: %2 and %3.").arg(shotAnnouncement, atomCount(provenAtoms), emptyCellCount(provenEmpty));
}

QString PlayerWords::markAnnouncement(const Board& board, const MarkResult& mark, std::int16_t atoms)
{
    const QString place = cellPlace(board, mark.cell);
    const QString marked = QString::number(mark.MarkedCount);
    if (mark.marked)
        return tr("Marked %1. %2 of %3 marked.").arg(place, marked, QString::number(atoms));
    return tr("Unmarked %1. %2 of %3 marked.").arg(place, marked, QString::number(atoms));
}

// The results line pads its numbers with blanks, which a speech engine would read as pauses.
QString PlayerWords::gameAnnouncement(const QString& results, const Game& game, std::int16_t bestScore)
{
    //: %1 is the line under the buttons.
    return tr("%1 Atoms in game %2, marked %3. Score %4, best score %5.")
        .arg(results.simplified(), QString::number(game.AtomCount()), QString::number(game.MarkedCount()),
            QString::number(game.Score()), QString::number(bestScore));
}

QString PlayerWords::cellPlace(const Board& board, CellPos pos)
{
    switch (board.kindOf(pos)) {
    case CellKind::Field: return tr("row %1, column %2").arg(pos.row).arg(pos.column);
    case CellKind::Corner: return cornerPlace(pos);
    case CellKind::Border: return borderPlace(board, pos);
    case CellKind::Outside: break;
    }
    return {};
}

QString PlayerWords::cellDescription(const Board& board, CellPos pos)
{
    switch (board.kindOf(pos)) {
    case CellKind::Field: return fieldDescription(board, pos);
    case CellKind::Corner: return cornerPlace(pos);
    case CellKind::Border: return borderName(board, pos) + borderResult(board, board.cell(pos));
    case CellKind::Outside: break;
    }
    return {};
}

QString PlayerWords::provenAtom()
{
    //: Ends a field cell's description for a screen reader.
    return tr(", proven atom");
}

QString PlayerWords::provenEmpty()
{
    //: Ends a field cell's description for a screen reader.
    return tr(", proven empty");
}

QString PlayerWords::showProofItem()
{
    return tr("Show What My Shots &Prove");
}

QString PlayerWords::reviewItem()
{
    return tr("&Review This Field...");
}

QString PlayerWords::reviewTitle()
{
    return tr("Review This Field");
}

QString PlayerWords::review(const FieldReview& review, const Board& board, int score, int atoms)
{
    const QStringList lines{
        //: %1 is "1 shot" or "3 shots", %2 "1 point" or "4 points".
        tr("You fired %1 for %2.").arg(shotCount(review.shots), pointCount(score)),
        decisionLine(review, atoms),
        newsLine(review, board),
        parLine(review, board, atoms),
    };
    return lines.join(QLatin1Char('\n'));
}

} // namespace orbalux
