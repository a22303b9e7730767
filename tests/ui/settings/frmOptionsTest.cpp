#include "frmOptions.h"

#include "Twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace orbalux {
namespace {

class SettingsDialog : public ::testing::Test {
protected:
    void press(Qt::Key key)
    {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&dialog, &event);
    }
    void expectShows(const char* atoms, const char* noun, const char* size)
    {
        EXPECT_EQ(dialog.lblAtoms()->text(), atoms);
        EXPECT_EQ(dialog.lblAtomsText()->text(), noun);
        EXPECT_EQ(dialog.lblSize()->text(), size);
    }

    GameState state;
    frmOptions dialog{state};
};

TEST_F(SettingsDialog, StartsHiddenOnFiveAtomsAndAnEightByEightGrid)
{
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.hsAtoms()->value(), 5);
    EXPECT_EQ(dialog.hsGrid()->value(), 8);
    expectShows("5", "Atoms", "8 x 8");
    EXPECT_FALSE(dialog.cbNumbers()->isChecked());
    EXPECT_FALSE(dialog.cbTrace()->isChecked());
    EXPECT_EQ(state.AtomCount, 5);
    EXPECT_EQ(state.GridSize, 8);
    EXPECT_EQ(state.EdgeIndex, 9);
    EXPECT_FALSE(state.SettingsChanged);

    GameState stale;
    stale.SettingsChanged = true;
    frmOptions created(stale);
    EXPECT_FALSE(stale.SettingsChanged);
}

TEST_F(SettingsDialog, OneAtomIsAtomAndEveryOtherCountAtoms)
{
    dialog.hsAtoms()->triggerAction(QAbstractSlider::SliderToMinimum);
    expectShows("1", "Atom", "8 x 8");
    dialog.hsAtoms()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    expectShows("2", "Atoms", "8 x 8");
    dialog.hsAtoms()->triggerAction(QAbstractSlider::SliderToMaximum);
    expectShows("15", "Atoms", "8 x 8");
}

TEST_F(SettingsDialog, GridBarEndsGiveFourAndFifteenWithTheirEdges)
{
    dialog.hsGrid()->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(dialog.lblSize()->text(), "4 x 4");
    EXPECT_EQ(state.GridSize, 8) << "the bar reaches the state only through OK";
    dialog.cmdOK()->click();
    EXPECT_EQ(state.GridSize, 4);
    EXPECT_EQ(state.EdgeIndex, 5);

    dialog.hsGrid()->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(dialog.lblSize()->text(), "15 x 15");
    dialog.cmdOK()->click();
    EXPECT_EQ(state.GridSize, 15);
    EXPECT_EQ(state.EdgeIndex, 16);
}

TEST_F(SettingsDialog, LabelsFollowADraggedThumbOnlyWhenItIsLetGo)
{
    dialog.hsGrid()->setSliderDown(true);
    dialog.hsGrid()->setSliderPosition(12);
    EXPECT_EQ(dialog.lblSize()->text(), "8 x 8");
    dialog.hsGrid()->setSliderDown(false);
    EXPECT_EQ(dialog.lblSize()->text(), "12 x 12");
}

TEST_F(SettingsDialog, OkTakesBarsThatDifferAndCountsOnlyThoseAsChanges)
{
    dialog.hsAtoms()->setValue(9);
    dialog.hsAtoms()->setValue(5);
    dialog.cmdOK()->click();
    EXPECT_FALSE(state.SettingsChanged);
    EXPECT_FALSE(dialog.isVisible());

    dialog.hsAtoms()->setValue(1);
    dialog.cmdOK()->click();
    EXPECT_EQ(state.AtomCount, 1);
    EXPECT_EQ(state.GridSize, 8);
    EXPECT_TRUE(state.SettingsChanged);
}

TEST_F(SettingsDialog, NumbersBoxTakesEffectAtOnceAndEveryClickCountsAsAChange)
{
    dialog.cbNumbers()->click();
    EXPECT_TRUE(state.ShowNumbers);
    EXPECT_TRUE(state.SettingsChanged);
    dialog.cbNumbers()->click();
    EXPECT_FALSE(state.ShowNumbers);
    EXPECT_TRUE(state.SettingsChanged);
}

TEST_F(SettingsDialog, TraceBoxTakesEffectAtOnceAndIsNoChange)
{
    dialog.cbTrace()->click();
    EXPECT_TRUE(state.TraceShots);
    EXPECT_FALSE(state.SettingsChanged);
}

TEST_F(SettingsDialog, CancelPutsBarsAndLabelsBackButKeepsClickedBoxes)
{
    dialog.hsAtoms()->setValue(1);
    dialog.hsGrid()->setValue(13);
    dialog.cbNumbers()->click();
    dialog.cbTrace()->click();
    dialog.cmdCancel()->click();

    EXPECT_EQ(dialog.hsAtoms()->value(), 5);
    EXPECT_EQ(dialog.hsGrid()->value(), 8);
    expectShows("5", "Atoms", "8 x 8");
    EXPECT_FALSE(state.SettingsChanged);
    EXPECT_TRUE(dialog.cbNumbers()->isChecked());
    EXPECT_TRUE(state.ShowNumbers);
    EXPECT_TRUE(state.TraceShots);
}

TEST_F(SettingsDialog, ClosingThroughTheFrameOrEscapeIsCancelAndKeepsTheDialog)
{
    dialog.show();
    dialog.hsGrid()->setValue(12);
    dialog.cbNumbers()->click();
    dialog.close();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.lblSize()->text(), "8 x 8");
    EXPECT_FALSE(state.SettingsChanged);
    EXPECT_TRUE(state.ShowNumbers);

    dialog.show();
    dialog.hsAtoms()->setValue(1);
    press(Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    expectShows("5", "Atoms", "8 x 8");
}

TEST_F(SettingsDialog, EnterPressesTheDefaultButtonOk)
{
    ASSERT_TRUE(dialog.cmdOK()->isDefault());
    dialog.show();
    dialog.hsGrid()->setValue(10);
    press(Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(state.GridSize, 10);
}

TEST_F(SettingsDialog, RightArrowRaisesABarAndLeftArrowLowersIt)
{
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(dialog.hsGrid(), &right);
    expectShows("5", "Atoms", "9 x 9");
    QKeyEvent left(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
    QApplication::sendEvent(dialog.hsAtoms(), &left);
    expectShows("4", "Atoms", "9 x 9");
}

TEST_F(SettingsDialog, TabRunsFromTheAtomsBarToTraceShots)
{
    const std::vector<QWidget*> expected{dialog.hsAtoms(), dialog.hsGrid(), dialog.cmdOK(),
        dialog.cmdCancel(), dialog.cbNumbers(), dialog.cbTrace()};
    std::vector<QWidget*> chain;
    for (QWidget* w = dialog.nextInFocusChain(); w != &dialog; w = w->nextInFocusChain()) {
        if (w->focusPolicy() & Qt::TabFocus)
            chain.push_back(w);
    }
    EXPECT_EQ(chain, expected);
}

TEST_F(SettingsDialog, WindowHasItsCaptionAFixedSizeAndNoMinimiseOrMaximise)
{
    EXPECT_EQ(dialog.windowTitle(), "Orbalux Settings");
    const QSize client(twips(4680), twips(3810));
    EXPECT_EQ(dialog.minimumSize(), client);
    EXPECT_EQ(dialog.maximumSize(), client);
    EXPECT_FALSE(dialog.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(dialog.hsGrid()->geometry(), QRect(twips(120), twips(2160), twips(4335), twips(255)));
    EXPECT_EQ(dialog.cmdCancel()->geometry(), QRect(twips(3480), twips(3360), twips(975), twips(375)));
    for (QWidget* control : dialog.findChildren<QWidget*>())
        EXPECT_TRUE(dialog.rect().contains(control->geometry())) << control->metaObject()->className();
}

} // namespace
} // namespace orbalux
