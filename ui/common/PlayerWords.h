#pragma once

#include "deduce/DeductionSolver.h"
#include "deduce/FieldReview.h"
#include "deduce/MarksCheck.h"
#include "game/Board.h"
#include "game/ClickResult.h"
#include "game/Game.h"
#include "game/PlaceAtoms.h"

#include <QCoreApplication>
#include <QString>

#include <cstdint>
#include <vector>

namespace orbalux {

/**
 * Every sentence the player reads or hears about a game, made from what the engine answered.
 * The English texts are the translation sources, in the context "PlayerWords".
 */
class PlayerWords {
    Q_DECLARE_TR_FUNCTIONS(PlayerWords)

public:
    /** The question before a new game ends the one in progress. */
    static QString newGameQuestion();
    /** The message when even the maximised window cannot show the whole board. */
    static QString boardTooLarge();
    /** The message that ends start-up when a trace picture cannot be read. */
    static QString startUpError(int number, const QString& description);
    /** The hint when the instructions could not be opened. */
    static QString instructionsHint();
    /** The message when the system information tool cannot be started. */
    static QString sysInfoUnavailable();

    /** The line under the buttons as a game starts, naming what to click on this board. */
    static QString instructions(bool showsNumbers);
    /** What a shot's mark on the border means, letter being a deflection's; empty for Outcome::None. */
    static QString explanation(Outcome outcome, const std::string& letter);
    /** Why a click changed nothing. */
    static QString refusal(Refusal::Kind kind);
    /** The complaint about a draw that dealing the atoms discarded. */
    static QString badDraw(BadDraw draw);
    /** The message for WrongMarkCount, else the new line under the buttons. */
    static QString solved(const SolveResult& result);
    /** What "Are My Shots Enough?" answers for a game of atoms atoms. */
    static QString shotsEnough(Verdict verdict, int atoms);
    /**
     * What "Check My Marks" answers: agreement, or how many shots disagree and the first ten by
     * border number in the gridSize field; a last line when marks differs from atoms.
     */
    static QString marksCheck(const std::vector<MarkDisagreement>& disagreements, std::int16_t gridSize, int marks,
        int atoms);

    /** What the player hears after shot on board: "Deflection a: in at top 3, out at right 3. Score 2." */
    static QString shotAnnouncement(const Board& board, const ShotResult& shot, std::int16_t score);
    /**
     * What the player hears after a shot once its proof is ready: the shot's announcement, then
     * how many atoms and empty cells the shots now prove.
     */
    static QString proofAnnouncement(const QString& shotAnnouncement, int provenAtoms, int provenEmpty);
    /** What the player hears after a click on a field cell: "Marked row 2, column 3. 1 of 5 marked." */
    static QString markAnnouncement(const Board& board, const MarkResult& mark, std::int16_t atoms);
    /** What the player hears when game starts or ends: the line under the buttons and the counters. */
    static QString gameAnnouncement(const QString& results, const Game& game, std::int16_t bestScore);

    /**
     * Where cell pos of board lies, as a player says it: "top 3", "right 5", "row 2, column 3",
     * "top left corner"; borders and field counted from 1. Empty off the board.
     */
    static QString cellPlace(const Board& board, CellPos pos);
    /**
     * What a screen reader says of cell pos of board: where it is and what it shows, as
     * "top border 3, deflection a, comes out at right 3" or "row 2, column 3, marked". Empty off the board.
     */
    static QString cellDescription(const Board& board, CellPos pos);
    /** The ends of a field cell's description when the shots prove it an atom, or empty. */
    static QString provenAtom();
    static QString provenEmpty();

    /** The Deduce menu's items for the proof and the review, and the review's title. */
    static QString showProofItem();
    static QString reviewItem();
    static QString reviewTitle();
    /**
     * The review of a finished game on board, one line each: the shots and score, when the field
     * was decided, the shots that told nothing new, and the fewest points that decide it.
     */
    static QString review(const FieldReview& review, const Board& board, int score, int atoms);
};

} // namespace orbalux
