#include "common/PlayerWords.h"
#include "grid/Announcer.h"
#include "grid/PictureStore.h"
#include "help/frmAbout.h"
#include "help/frmQuick.h"
#include "main/QtMessenger.h"
#include "MainWindowDriver.h"
#include "PlatformFakes.h"
#include "ScriptedMessenger.h"
#include "ShownTexts.h"
#include "TestDoubles.h"
#include "Translation.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace orbalux {
namespace {

// One atom at (1,2) and one at (4,1) of a 4 by 4 field.
const std::vector<std::string> kTwoAtoms{".X..", "....", "....", "X..."};

// Under a translator that marks every text it is asked for, whatever the player meets must be
// marked: an unmarked English word is one that a translation could never reach.
class PseudoLocale : public ::testing::Test {
protected:
    void expectMarked(const char* where, const QStringList& texts)
    {
        for (const QString& text : texts)
            EXPECT_EQ(testing::unmarkedEnglish(text), QString()) << where << ": " << text.toStdString();
    }
    void expectMarked(const char* where, const std::vector<std::string>& texts)
    {
        for (const std::string& text : texts)
            expectMarked(where, QStringList{QString::fromStdString(text)});
    }
    void expectAnnouncementMarked()
    {
        expectMarked("announcement", QStringList{window.findChild<Announcer*>()->text()});
    }
    /** Chooses item and runs look on the modal window it opens, then closes that window. */
    void whileOpen(const char* item, const std::function<void(QWidget&)>& look)
    {
        QTimer::singleShot(0, &window, [look] {
            QWidget* shown = QApplication::activeModalWidget();
            ASSERT_TRUE(shown);
            look(*shown);
            shown->close();
        });
        play.trigger(item);
    }

    testing::LanguageScope pseudo{QString()};
    testing::ScriptedMessenger messenger;
    testing::SequenceRandom random;
    testing::FixedClock clock{1000.0f};
    testing::FakePlatform platform;
    frmMain window{{messenger, random, clock, platform.services(), testing::assetFolders()}};
    testing::MainWindowDriver play{window, messenger, random};
};

TEST_F(PseudoLocale, TheMainWindowItsBoardAndEverythingItSaysAreMarked)
{
    expectMarked("main window at start", testing::shownTexts(window));
    expectAnnouncementMarked();
    play.newGame(kTwoAtoms, true, true);
    // A hit, a reflection, a deflection, a mark, a corner; then the Deduce menu and a wrong count.
    for (const CellPos cell : {CellPos{0, 2}, CellPos{0, 1}, CellPos{3, 0}, CellPos{1, 2}, CellPos{0, 0}}) {
        play.click(cell.row, cell.column);
        expectAnnouncementMarked();
        expectMarked("main window in play", QStringList{play.label("lblResults")});
    }
    play.trigger("mnShotsEnough");
    play.trigger("mnCheckMarks");
    play.press("cmdSolved");
    play.click(4, 1);
    play.press("cmdSolved");
    expectAnnouncementMarked();
    play.reportClick(2, 2);
    messenger.answers.push_back(false);
    play.press("cmdNewGame");
    expectMarked("main window after the game", testing::shownTexts(window));
    expectMarked("messages", messenger.shown);
    expectMarked("questions", messenger.asked);
    EXPECT_GE(messenger.shown.size(), 5u);
}

TEST_F(PseudoLocale, TheDialogsAreMarked)
{
    play.visitSettings([this](frmOptions& dialog) {
        expectMarked("settings", testing::shownTexts(dialog));
        dialog.findChild<QScrollBar*>(QStringLiteral("hsAtoms"))->setValue(1);
        expectMarked("settings at one atom", testing::shownTexts(dialog));
        dialog.reject();
    });
    whileOpen("mnQuickHelp", [this](QWidget& help) { expectMarked("quick help", testing::shownTexts(help)); });
    whileOpen("mnAbout", [this](QWidget& about) {
        expectMarked("about", testing::shownTexts(about));
        about.findChild<QPushButton*>(QStringLiteral("cmdSysInfo"))->click();
    });
    play.trigger("mnuDocumentation");
    EXPECT_EQ(messenger.shown.size(), 2u) << "the system information and the instructions should have failed";
    expectMarked("system information and instructions", messenger.shown);
}

// The real message box: its text is the game's, its buttons Qt's own, which must follow too.
TEST_F(PseudoLocale, MessageBoxesAndTheirStandardButtonsAreMarked)
{
    QtMessenger boxes;
    QStringList texts;
    QTimer::singleShot(0, &window, [&texts] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_TRUE(box);
        texts = testing::shownTexts(*box);
        box->done(QMessageBox::No);
    });
    boxes.askYesNo(PlayerWords::newGameQuestion());
    EXPECT_GE(texts.size(), 3);
    texts.removeAll(QStringLiteral("Orbalux"));
    expectMarked("message box", texts);
}

TEST_F(PseudoLocale, WhyATracePictureCouldNotBeReadIsMarked)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile broken(folder.filePath(QStringLiteral("VBar.bmp")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();
    PictureStore store;
    const std::optional<PictureError> error = store.load({folder.path().toStdString()});
    ASSERT_TRUE(error);
    expectMarked("start-up error", QStringList{PlayerWords::startUpError(error->number, error->description)});
}

} // namespace
} // namespace orbalux
