#include "settings/frmOptions.h"

#include "common/Twips.h"
#include "MainWindowFixture.h"
#include "WindowLayout.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace orbalux {

void PrintTo(const GameSettings& s, std::ostream* out)
{
    *out << s.GridSize << " x " << s.GridSize << ", " << s.AtomCount << " atoms" << (s.ShowNumbers ? ", numbers" : "")
         << (s.TraceShots ? ", trace" : "");
}

namespace {

GameSettings settings(int grid, int atoms, bool numbers, bool trace)
{
    GameSettings chosen = GameSettings{}.withGridSize(grid).withAtomCount(atoms);
    chosen.ShowNumbers = numbers;
    chosen.TraceShots = trace;
    return chosen;
}

// The dialog on its own, visited as the main window visits it: modally, and played from inside
// that visit with real clicks and keys.
class SettingsDialog : public ::testing::Test {
protected:
    /** One visit on current; act runs while the dialog shows and should leave it. */
    SettingsVisit visit(const GameSettings& current, const std::function<void()>& act)
    {
        QTimer::singleShot(0, &dialog, [this, act] {
            act();
            if (dialog.isVisible()) {
                ADD_FAILURE() << "the visit did not end";
                dialog.done(QDialog::Rejected);
            }
        });
        return dialog.visit(current);
    }

    template <typename Control>
    Control* control(const char* name) const
    {
        return dialog.findChild<Control*>(QString::fromLatin1(name));
    }
    QScrollBar* atomsBar() const { return control<QScrollBar>("hsAtoms"); }
    QScrollBar* gridBar() const { return control<QScrollBar>("hsGrid"); }
    QString text(const char* label) const { return control<QLabel>(label)->text(); }
    std::vector<QString> shown() const { return {text("lblAtoms"), text("lblAtomsText"), text("lblSize")}; }

    void click(const char* name) const
    {
        auto* button = control<QAbstractButton>(name);
        // A check box answers clicks on its box and caption, not on the empty rest of its row.
        const QPoint at = qobject_cast<QCheckBox*>(button) ? QPoint(button->height() / 2, button->height() / 2)
                                                             : button->rect().center();
        QTest::mouseClick(button, Qt::LeftButton, {}, at);
    }
    void key(QWidget* target, Qt::Key pressed, int times = 1) const
    {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(target, pressed);
    }

    const GameSettings start{};
    const TwipScale twips{std::initializer_list<DesignCaption>{}};
    frmOptions dialog{twips};
};

TEST_F(SettingsDialog, AVisitShowsTheSettingsItIsGiven)
{
    visit(settings(12, 1, true, false), [this] {
        EXPECT_EQ(dialog.windowTitle(), "Orbalux Settings");
        EXPECT_EQ(shown(), (std::vector<QString>{"1", "Atom", "12 x 12"}));
        EXPECT_TRUE(control<QCheckBox>("cbNumbers")->isChecked());
        EXPECT_FALSE(control<QCheckBox>("cbTrace")->isChecked());
        click("cmdCancel");
    });
    visit(settings(4, 15, false, true), [this] {
        EXPECT_EQ(shown(), (std::vector<QString>{"15", "Atoms", "4 x 4"}));
        EXPECT_FALSE(control<QCheckBox>("cbNumbers")->isChecked());
        EXPECT_TRUE(control<QCheckBox>("cbTrace")->isChecked());
        click("cmdOK");
    });
}

TEST_F(SettingsDialog, OkWithTheBarsWhereTheyWereIsNoChangeEvenAfterAWalkAway)
{
    const SettingsVisit untouched = visit(start, [this] { click("cmdOK"); });
    EXPECT_TRUE(untouched.accepted);
    EXPECT_FALSE(untouched.changed);
    EXPECT_EQ(untouched.settings, start);

    const SettingsVisit walked = visit(start, [this] {
        key(gridBar(), Qt::Key_Right, 3);
        key(gridBar(), Qt::Key_Left, 3);
        click("cmdOK");
    });
    EXPECT_TRUE(walked.accepted);
    EXPECT_FALSE(walked.changed);
    EXPECT_EQ(walked.settings, start);
}

TEST_F(SettingsDialog, OkTakesTheBarsToTheirEndsAsAChange)
{
    const SettingsVisit smallest = visit(start, [this] {
        key(gridBar(), Qt::Key_Home);
        key(atomsBar(), Qt::Key_Home);
        click("cmdOK");
    });
    EXPECT_TRUE(smallest.changed);
    EXPECT_EQ(smallest.settings, settings(kMinGridSize, kMinAtomCount, false, false));

    const SettingsVisit largest = visit(smallest.settings, [this] {
        key(gridBar(), Qt::Key_End);
        key(atomsBar(), Qt::Key_End);
        EXPECT_EQ(shown(), (std::vector<QString>{"15", "Atoms", "15 x 15"}));
        click("cmdOK");
    });
    EXPECT_TRUE(largest.changed);
    EXPECT_EQ(largest.settings, settings(kMaxGridSize, kMaxAtomCount, false, false));
}

TEST_F(SettingsDialog, EveryClickOnShowNumbersIsAChangeEvenBackToWhereItWas)
{
    const SettingsVisit twice = visit(start, [this] {
        click("cbNumbers");
        click("cbNumbers");
        click("cmdOK");
    });
    EXPECT_TRUE(twice.changed);
    EXPECT_FALSE(twice.settings.ShowNumbers);

    const SettingsVisit once = visit(start, [this] {
        click("cbNumbers");
        click("cmdCancel");
    });
    EXPECT_FALSE(once.accepted);
    EXPECT_TRUE(once.changed);
    EXPECT_TRUE(once.settings.ShowNumbers);
}

TEST_F(SettingsDialog, TraceShotsTakesEffectAtOnceSurvivesCancelAndIsNoChange)
{
    const SettingsVisit result = visit(start, [this] {
        click("cbTrace");
        click("cmdCancel");
    });
    EXPECT_FALSE(result.accepted);
    EXPECT_FALSE(result.changed);
    EXPECT_TRUE(result.settings.TraceShots);
}

TEST_F(SettingsDialog, CancelEscapeAndTheFramePutTheBarsBack)
{
    const std::vector<std::pair<const char*, std::function<void()>>> ways = {
        {"Cancel", [this] { click("cmdCancel"); }},
        {"Escape", [this] { key(gridBar(), Qt::Key_Escape); }},
        {"frame", [this] { dialog.close(); }},
    };
    for (const auto& [way, leave] : ways) {
        const SettingsVisit result = visit(start, [this, leave] {
            key(gridBar(), Qt::Key_Right, 4);
            key(atomsBar(), Qt::Key_Left, 2);
            leave();
        });
        EXPECT_FALSE(result.accepted) << way;
        EXPECT_FALSE(result.changed) << way;
        EXPECT_EQ(result.settings, start) << way;
        EXPECT_EQ(gridBar()->value(), start.GridSize) << way;
        EXPECT_EQ(atomsBar()->value(), start.AtomCount) << way;
        EXPECT_EQ(shown(), (std::vector<QString>{"5", "Atoms", "8 x 8"})) << way;
    }
}

TEST_F(SettingsDialog, EnterOnABarLeavesThroughOk)
{
    const SettingsVisit result = visit(start, [this] {
        key(gridBar(), Qt::Key_Right, 2);
        key(gridBar(), Qt::Key_Return);
    });
    EXPECT_TRUE(result.accepted);
    EXPECT_EQ(result.settings.GridSize, start.GridSize + 2);
}

TEST_F(SettingsDialog, RightRaisesABarLeftLowersItAndTheLabelsFollow)
{
    visit(settings(8, 2, false, false), [this] {
        key(gridBar(), Qt::Key_Right);
        key(atomsBar(), Qt::Key_Left);
        EXPECT_EQ(shown(), (std::vector<QString>{"1", "Atom", "9 x 9"}));
        key(atomsBar(), Qt::Key_Right);
        EXPECT_EQ(shown(), (std::vector<QString>{"2", "Atoms", "9 x 9"}));
        click("cmdCancel");
    });
}

TEST_F(SettingsDialog, LabelsFollowADraggedThumbOnlyWhenItIsLetGo)
{
    visit(start, [this] {
        gridBar()->setSliderDown(true);
        gridBar()->setSliderPosition(12);
        EXPECT_EQ(text("lblSize"), "8 x 8");
        gridBar()->setSliderDown(false);
        EXPECT_EQ(text("lblSize"), "12 x 12");
        click("cmdCancel");
    });
}

TEST_F(SettingsDialog, TabRunsFromTheAtomsBarToTraceShots)
{
    std::vector<QString> chain;
    for (QWidget* w = dialog.nextInFocusChain(); w != &dialog; w = w->nextInFocusChain()) {
        if (w->focusPolicy() & Qt::TabFocus)
            chain.push_back(w->objectName());
    }
    EXPECT_EQ(chain, (std::vector<QString>{"hsAtoms", "hsGrid", "cmdOK", "cmdCancel", "cbNumbers", "cbTrace"}));
}

// The dialog the main window made, at the scale the main window measured for its font.
class SettingsDialogInTheGame : public testing::MainWindowFixture {};

TEST_F(SettingsDialogInTheGame, NothingIsClippedCoveredOrOutsideEvenAtTheLongestTexts)
{
    play.visitSettings([](frmOptions& dialog) {
        for (const char* bar : {"hsAtoms", "hsGrid"})
            QTest::keyClick(dialog.findChild<QScrollBar*>(QString::fromLatin1(bar)), Qt::Key_End);
        const testing::WindowLayout layout(dialog);
        EXPECT_EQ(layout.clipped(), std::vector<std::string>{});
        EXPECT_EQ(layout.collisions(), std::vector<std::string>{});
        EXPECT_EQ(layout.outside(), std::vector<std::string>{});
        EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
        EXPECT_FALSE(dialog.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        dialog.findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
    });
}

} // namespace
} // namespace orbalux
