#pragma once

#include "main/frmMain.h"
#include "MainWindowDriver.h"
#include "PlatformFakes.h"
#include "ScriptedMessenger.h"
#include "TestDoubles.h"

#include <QImage>

#include <gtest/gtest.h>

#include <vector>

namespace orbalux::testing {

/** A started main window on scripted messages, fixed numbers, a fixed clock and a fake platform. */
class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(window.startedUp()); }

    /** The colour painted at the top left of cell (row, column). */
    QColor shownColour(int row, int column) const
    {
        const QImage image = play.grid().grab().toImage();
        const QRect rect = play.grid().cellRect(row, column);
        return image.pixelColor(rect.left() + 2, rect.top() + 2);
    }

    /** Every cell's look, row by row, to compare the board before and after. */
    std::vector<CellLook> board() const
    {
        std::vector<CellLook> looks;
        for (int row = 0; row < play.grid().rows(); ++row) {
            for (int column = 0; column < play.grid().columns(); ++column)
                looks.push_back(play.cell(row, column));
        }
        return looks;
    }

    ScriptedMessenger messenger;
    SequenceRandom random;
    FixedClock clock{1000.0f};
    FakePlatform platform;
    frmMain window{{messenger, random, clock, platform.services(), assetFolders()}};
    MainWindowDriver play{window, messenger, random};
};

} // namespace orbalux::testing
