#include "common/PlayerWords.h"
#include "deduce/MarksCheck.h"
#include "grid/Announcer.h"
#include "help/frmQuick.h"
#include "main/QtMessenger.h"
#include "MainWindowDriver.h"
#include "PlatformFakes.h"
#include "ScriptedMessenger.h"
#include "TestDoubles.h"
#include "Translation.h"
#include "WindowLayout.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QMenuBar>
#include <QMessageBox>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <set>

namespace orbalux {
namespace {

const std::vector<std::string> kTwoAtoms{".X..", "....", "....", "X..."};

std::vector<std::string> largestField()
{
    std::vector<std::string> rows(kMaxGridSize, std::string(kMaxGridSize, '.'));
    for (int i = 0; i < kMaxAtomCount; ++i)
        rows[i][(i * 7) % kMaxGridSize] = 'X';
    return rows;
}

// The letter after the ampersand, in lower case; none when the text has no access key.
QChar accessKey(const QString& text)
{
    const qsizetype at = text.indexOf(QLatin1Char('&'));
    return at < 0 || at + 1 >= text.size() ? QChar() : text.at(at + 1).toLower();
}

// Texts whose access keys collide, or that lost the key the English text has.
std::vector<std::string> accessKeyClashes(const QList<QAction*>& items)
{
    std::vector<std::string> clashes;
    std::set<QChar> taken;
    for (const QAction* item : items) {
        if (item->isSeparator())
            continue;
        const QChar key = accessKey(item->text());
        if (key.isNull() || !taken.insert(key).second)
            clashes.push_back(item->text().toStdString());
    }
    return clashes;
}

std::vector<std::string> layoutFaults(const QWidget& window)
{
    const testing::WindowLayout layout(window);
    std::vector<std::string> faults = layout.clipped();
    for (const std::string& collision : layout.collisions())
        faults.push_back("collision of " + collision);
    for (const std::string& outside : layout.outside())
        faults.push_back("outside: " + outside);
    return faults;
}

// Each language's real windows, opened with its translations from the build: every text fits
// the design's room, every menu and dialog keeps one access key per item, and the game plays.
class TranslatedWindows : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(language.loaded()) << "no translations for " << GetParam() << " in " ORBALUX_TRANSLATIONS_DIR;
        ASSERT_NE(PlayerWords::tr("row %1, column %2"), QStringLiteral("row %1, column %2"));
        ASSERT_TRUE(window.startedUp());
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

    /** Every text the line under the buttons can hold, each set in turn, must fit it. */
    void expectResultsFit()
    {
        auto* results = play.child<QLabel>("lblResults");
        const QString shown = results->text();
        const QStringList texts{PlayerWords::instructions(false), PlayerWords::instructions(true),
            PlayerWords::explanation(Outcome::Hit, "a"), PlayerWords::explanation(Outcome::Reflection, "a"),
            PlayerWords::explanation(Outcome::Deflection, "m"),
            PlayerWords::solved({SolveResult::Kind::NotAllFound, 15, 14, 0}),
            PlayerWords::solved({SolveResult::Kind::AllFound, 15, 15, 86399})};
        for (const QString& text : texts) {
            results->setText(text);
            EXPECT_EQ(layoutFaults(*window.centralWidget()), std::vector<std::string>{}) << text.toStdString();
        }
        results->setText(shown);
    }

    testing::LanguageScope language{QString::fromLatin1(GetParam())};
    testing::ScriptedMessenger messenger;
    testing::SequenceRandom random;
    testing::FixedClock clock{1000.0f};
    testing::FakePlatform platform;
    frmMain window{{messenger, random, clock, platform.services(), testing::assetFolders()}};
    testing::MainWindowDriver play{window, messenger, random};
};

TEST_P(TranslatedWindows, TheMainWindowFitsItsWordsOnTheSmallestAndTheLargestField)
{
    play.newGame(kTwoAtoms, true);
    EXPECT_EQ(layoutFaults(*window.centralWidget()), std::vector<std::string>{}) << "4 by 4";
    expectResultsFit();
    play.newGame(largestField(), true);
    // The largest board may need more than the screen; only the texts are checked here.
    EXPECT_EQ(testing::WindowLayout(*window.centralWidget()).clipped(), std::vector<std::string>{}) << "15 by 15";
}

TEST_P(TranslatedWindows, TheDialogsFitTheirWordsAtTheirDesignSizes)
{
    play.visitSettings([](frmOptions& dialog) {
        for (const Qt::Key end : {Qt::Key_Home, Qt::Key_End}) {
            for (const char* bar : {"hsAtoms", "hsGrid"})
                QTest::keyClick(dialog.findChild<QScrollBar*>(QString::fromLatin1(bar)), end);
            EXPECT_EQ(layoutFaults(dialog), std::vector<std::string>{}) << "settings";
        }
        dialog.reject();
    });
    whileOpen("mnQuickHelp", [](QWidget& help) {
        EXPECT_EQ(layoutFaults(help), std::vector<std::string>{}) << "quick help";
        const auto& legend = *help.findChild<CellGrid*>(QStringLiteral("msfLegend"));
        for (const int caption : {1, 3, 5}) {
            const int needed = legend.fontMetrics().horizontalAdvance(legend.look(0, caption)->text) + 6;
            EXPECT_LE(needed, legend.cellRect(0, caption).width()) << legend.look(0, caption)->text.toStdString();
        }
        // The paragraphs shrink to fit their boxes; a translation must not make them unreadable.
        EXPECT_GE(help.findChild<QLabel*>(QStringLiteral("Label2"))->font().pointSizeF(), 7.0);
    });
    whileOpen("mnAbout", [](QWidget& about) { EXPECT_EQ(layoutFaults(about), std::vector<std::string>{}) << "about"; });
}

TEST_P(TranslatedWindows, EveryMenuAndDialogKeepsOneAccessKeyPerItem)
{
    EXPECT_EQ(accessKeyClashes(window.menuBar()->actions()), std::vector<std::string>{}) << "menu bar";
    for (const QAction* title : window.menuBar()->actions())
        EXPECT_EQ(accessKeyClashes(title->menu()->actions()), std::vector<std::string>{}) << title->text().toStdString();
    whileOpen("mnAbout", [](QWidget& about) {
        EXPECT_NE(accessKey(about.findChild<QPushButton*>(QStringLiteral("cmdSysInfo"))->text()), QChar());
    });
}

// The question's box and a long Deduce answer as the player gets them, with Qt's own buttons.
TEST_P(TranslatedWindows, MessageBoxesFitTheirWordsAndSpeakTheLanguageOnTheirButtons)
{
    QtMessenger boxes;
    const auto look = [this](const char* what) {
        QTimer::singleShot(0, &window, [what] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_TRUE(box) << what;
            EXPECT_EQ(layoutFaults(*box), std::vector<std::string>{}) << what;
            EXPECT_EQ(layoutFaults(*box->findChild<QDialogButtonBox*>()), std::vector<std::string>{}) << what;
            // No is "No" in Spanish too, but Yes is nowhere "Yes".
            for (const QAbstractButton* button : box->buttons())
                EXPECT_NE(button->text(), QStringLiteral("&Yes")) << what;
            box->done(QMessageBox::No);
        });
    };
    look("new game question");
    boxes.askYesNo(PlayerWords::newGameQuestion());
    std::vector<MarkDisagreement> disagreements;
    for (int entry = 1; entry <= 12; ++entry)
        disagreements.push_back({entry, {{0, 1}, Outcome::Reflection, {}}, {{0, 1}, Outcome::Deflection, {0, 3}}});
    look("check my marks");
    boxes.showMessage(PlayerWords::marksCheck(disagreements, kMaxGridSize, 1, kMaxAtomCount));
    look("are my shots enough");
    boxes.showMessage(PlayerWords::shotsEnough(Verdict::Several, kMaxAtomCount));
}

TEST_P(TranslatedWindows, TheKeyboardStillPlaysAndTheShotIsAnnouncedInTheLanguage)
{
    play.newGame(kTwoAtoms);
    Game same = testing::gameWith(kTwoAtoms);
    QTest::keyClick(&play.grid(), Qt::Key_Right);
    QTest::keyClick(&play.grid(), Qt::Key_Right);
    QTest::keyClick(&play.grid(), Qt::Key_Space);
    const ClickResult shot = same.click({0, 2}, false);
    ASSERT_TRUE(std::holds_alternative<ShotResult>(shot));
    EXPECT_EQ(play.text(0, 2), QStringLiteral("H"));
    const QString heard = window.findChild<Announcer*>()->text();
    EXPECT_EQ(heard, PlayerWords::shotAnnouncement(same.board(), std::get<ShotResult>(shot), 1));
    EXPECT_FALSE(heard.startsWith(QStringLiteral("Hit:"))) << heard.toStdString();
}

// The document in the language where there is one beside the English, else the English one.
TEST_P(TranslatedWindows, TheInstructionsOpenInTheLanguageAndInEnglishWhereItHasNone)
{
    platform.programs.installed.insert("xdg-open");
    play.trigger("mnuDocumentation");
    const std::string translated = std::string("Instruct.") + GetParam() + ".doc";
    ASSERT_EQ(platform.programs.started.size(), 1u);
    EXPECT_EQ(platform.programs.started[0].arguments,
        std::vector<std::string>{(std::filesystem::path(ORBALUX_ASSET_DIR) / translated).string()});

    QTemporaryDir folder;
    ASSERT_TRUE(QFile::copy(QStringLiteral(ORBALUX_ASSET_DIR "/Instruct.doc"), folder.filePath(QStringLiteral("Instruct.doc"))));
    frmMain english({messenger, random, clock, platform.services(), {folder.path().toStdString()}});
    english.findChild<QAction*>(QStringLiteral("mnuDocumentation"))->trigger();
    ASSERT_EQ(platform.programs.started.size(), 2u);
    EXPECT_EQ(platform.programs.started[1].arguments,
        std::vector<std::string>{(std::filesystem::path(folder.path().toStdString()) / "Instruct.doc").string()});
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedWindows, ::testing::Values("de", "fr", "es"));

} // namespace
} // namespace orbalux
