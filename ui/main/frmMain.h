#pragma once

#include "common/Twips.h"
#include "deduce/DeductionWorker.h"
#include "deduce/FieldProof.h"
#include "deduce/FieldReview.h"
#include "game/Game.h"
#include "game/GameSettings.h"
#include "game/Run.h"
#include "grid/PictureStore.h"
#include "main/MainWindowServices.h"

#include <QMainWindow>
#include <QPointer>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

class QAction;
class QLabel;
class QPushButton;

namespace orbalux {

class Announcer;
class CellGrid;
class frmOptions;
class frmQuick;

/**
 * The main window: the board, the buttons, the counters and the menu. It owns the settings,
 * the run and the game; each handler asks the game, shows what happened and redraws.
 */
class frmMain : public QMainWindow {
    Q_OBJECT

public:
    /**
     * Starts up: reads the trace pictures from the data folders and starts the first game, which
     * shows the window. When a picture cannot be read the player is told, and startedUp() is false.
     */
    explicit frmMain(const MainWindowServices& services, QWidget* parent = nullptr);
    ~frmMain() override;

    /** False when start-up stopped at a picture it could not read; the program then ends. */
    bool startedUp() const { return m_startedUp; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void cmdNewGame_Click();
    void mnNewGame_Click();
    void cmdSolved_Click();
    void msfGrid_Click(int row, int column);
    void mnSettings_Click();
    void mnShotsEnough_Click();
    void mnCheckMarks_Click();
    void mnDecidableOnly_Click(bool checked);
    void mnShowProof_Click(bool checked);
    void mnReview_Click();
    void mnQuickHelp_Click();
    void mnuDocumentation_Click();
    void mnAbout_Click();
    void mnExit_Click();

private:
    void createMenus();
    void createDeduceMenu();
    void createButtons(QWidget* area);
    void createLabels(QWidget* area);
    void createBoard(QWidget* area);
    void createAnnouncer();
    QLabel* addCounter(QWidget* area, const char* captionName, const QString& caption, const QRect& captionRect,
        const char* name, const QRect& rect);

    void startUp();
    std::optional<PictureError> FillPictureStore();
    void startNewGame();
    void refresh();
    void fitBoard();
    bool boardOverflows(QSize inner) const;
    QSize innerSize();
    QSize innerSizeWhenMaximized() const;
    std::filesystem::path instructionsDocument() const;

    void requestProof(std::optional<QString> shotAnnouncement);
    void clearProof();
    void proofReady(std::uint64_t ticket, const FieldProof& proof);
    void cancelReview();
    void reviewReady(std::uint64_t ticket, const FieldReview& review);

    Messenger& m_messenger;
    RandomSource& m_random;
    const Clock& m_clock;
    TwipScale m_twips;

    GameSettings m_settings;
    bool m_SettingsChanged = false;
    // Kept for the run only, like the settings.
    Run m_run;
    Game m_game;
    QString m_resultsText;

    PictureStore m_pictures;
    PlatformServices m_platform;
    std::vector<std::filesystem::path> m_dataFolders;
    bool m_startedUp = false;
    // Whether a new game found the window maximised before hiding it.
    bool m_keepMaximized = false;
    // Made at the first visit: nothing on screen before then depends on it.
    frmOptions* m_frmOptions = nullptr;
    QPointer<frmQuick> m_frmQuick;
    CellGrid* m_msfGrid = nullptr;
    Announcer* m_announcer = nullptr;
    QPushButton* m_cmdNewGame = nullptr;
    QPushButton* m_cmdSolved = nullptr;
    // The counters and the line under the buttons, redrawn by refresh().
    QLabel* m_lblAtoms = nullptr;
    QLabel* m_lblAtomsInGame = nullptr;
    QLabel* m_lblBestScore = nullptr;
    QLabel* m_lblScore = nullptr;
    QLabel* m_lblResults = nullptr;

    // The proof and the review are worked out on the workers' threads from a copy of the game.
    // Each answer comes back with the ticket it was asked under, and one asked before the last
    // shot, new game or change of mind is dropped.
    FieldQuestions m_questions;
    QAction* m_mnShowProof = nullptr;
    QAction* m_mnReview = nullptr;
    FieldProof m_proof;
    std::uint64_t m_proofTicket = 0;
    std::uint64_t m_reviewTicket = 0;
    // A shot's announcement waits for its proof, so the player hears both at once.
    std::optional<QString> m_shotAnnouncement;
    // Last, so each ends, cancelled and joined, before anything its jobs could touch.
    DeductionWorker m_proofWorker;
    DeductionWorker m_reviewWorker;
};

} // namespace orbalux
