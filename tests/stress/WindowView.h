#pragma once

#include "game/AtomLayout.h"
#include "game/CellPos.h"
#include "grid/CellLook.h"
#include "MainWindowDriver.h"

#include <QString>

#include <string>
#include <vector>

namespace orbalux::testing {

/** Where a cell lies on a square board, told from its position alone. */
enum class Place { Field, Border, Corner, Outside };

/** What the main window shows at one moment: every cell of the board and every counter. */
struct WindowView {
    /** Reads it all through the driver, as a player would read the screen. */
    static WindowView of(const MainWindowDriver& play);

    int side = 0;
    std::vector<CellLook> cells;
    QString marked;
    QString atomsInGame;
    QString score;
    QString best;
    QString results;

    int edge() const { return side - 1; }
    Place placeOf(CellPos pos) const;
    /** pos must lie on the board. */
    const CellLook& at(CellPos pos) const;
    /** The cells of place, row by row. */
    std::vector<CellPos> cellsOf(Place place) const;
    /** The field cells showing "O". */
    std::vector<CellPos> marks() const;

    friend bool operator==(const WindowView&, const WindowView&) = default;
};

/**
 * What view shows that no play could lead to, with atoms the ones dealt and finished true once
 * "Solved!" ended the game. Empty when every cell and counter is as a game can leave it.
 */
std::vector<std::string> auditView(const WindowView& view, const AtomLayout& atoms, bool finished);

std::string at(CellPos pos);

/** look as it would be without what the shots prove: no shape, no ", proven ..." at its end. */
CellLook withoutProof(CellLook look);

} // namespace orbalux::testing
