#pragma once

#include "TestDoubles.h"
#include "frmMain.h"

#include <QImage>

#include <gtest/gtest.h>

namespace orbalux::testing {

/** A started main window on scripted messages, fixed numbers and a fixed clock. */
class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(window.startUp(QStringLiteral(ORBALUX_ASSET_DIR))); }

    /** Starts a game on a board of picture's size with picture's atoms. */
    void newBoard(int gridSize, const std::vector<std::string>& picture, bool showNumbers = false)
    {
        setGridSize(state, gridSize);
        state.ShowNumbers = showNumbers;
        state.GameInProgress = false;
        window.cmdNewGame_Click();
        state.AtomMap = atomsFromPicture(picture);
        state.atomsInGame = static_cast<std::int16_t>(state.AtomMap.count());
    }
    const Cell& cell(int row, int column) const
    {
        return state.board.cell({static_cast<std::int16_t>(row), static_cast<std::int16_t>(column)});
    }
    QColor shownColour(int row, int column) const
    {
        const QImage image = window.msfGrid()->grab().toImage();
        const QRect rect = window.msfGrid()->cellRect(row, column);
        return image.pixelColor(rect.left() + 2, rect.top() + 2);
    }

    GameState state;
    ScriptedMessenger messenger;
    SequenceRandom random;
    FixedClock clock{1000.0f};
    frmMain window{state, messenger, random, clock};
};

} // namespace orbalux::testing
