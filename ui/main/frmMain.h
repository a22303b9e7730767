#pragma once

#include "common/Messenger.h"
#include "common/Twips.h"
#include "game/Clock.h"
#include "game/Game.h"
#include "game/GameSettings.h"
#include "game/RandomSource.h"
#include "game/Run.h"
#include "grid/PictureStore.h"
#include "platform/PlatformServices.h"

#include <QMainWindow>
#include <QPointer>

#include <filesystem>
#include <optional>
#include <vector>

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
    frmMain(Messenger& messenger, RandomSource& random, const Clock& clock, QWidget* parent = nullptr);
    ~frmMain() override;

    /** The services that Help > About and Instructions use; they must outlive the window. */
    void setPlatform(const PlatformServices& platform);
    /** Where start-up and Help > Instructions look for the game's files (see dataFolders());
     *  the working directory alone until set. */
    void setDataFolders(std::vector<std::filesystem::path> folders);

    /**
     * Reads the trace pictures from pictureDirectory (the working directory when empty) and
     * starts the first game, which shows the window. False after a picture could not be read;
     * the player has been told, and the program ends.
     */
    bool startUp(const QString& pictureDirectory = QString());

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private slots:
    void cmdNewGame_Click();
    void mnNewGame_Click();
    void cmdSolved_Click();
    void msfGrid_Click(int row, int column);
    void mnSettings_Click();
    void mnShotsEnough_Click();
    void mnCheckMarks_Click();
    void mnDecidableOnly_Click(bool checked);
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
    QLabel* addCounter(QWidget* area, const char* caption, const QRect& captionRect, const char* name, const QRect& rect);

    std::optional<PictureError> FillPictureStore(const QString& directory);
    void startNewGame();
    void refresh();
    void fitBoard();
    bool boardOverflows(QSize inner) const;
    QSize innerSize();
    QSize innerSizeWhenMaximized() const;

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
    std::optional<PlatformServices> m_platform;
    std::vector<std::filesystem::path> m_dataFolders{{}};
    // Whether a new game found the window maximised before hiding it.
    bool m_keepMaximized = false;
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
};

} // namespace orbalux
