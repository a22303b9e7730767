#pragma once

#include "Board.h"
#include "CellGrid.h"
#include "Clock.h"
#include "GameState.h"
#include "Messenger.h"
#include "PictureStore.h"
#include "PlatformServices.h"
#include "QuickHelpCommand.h"
#include "RandomSource.h"
#include "Twips.h"

#include <QMainWindow>

#include <filesystem>
#include <optional>
#include <vector>

class QLabel;
class QPushButton;
class QAction;

namespace orbalux {

class frmOptions;

/** The text that ends start-up when a trace picture cannot be read. */
std::string startUpErrorText(const PictureError& error);

/**
 * The main window: the board, the buttons, the counters and the menu. Its handlers hand every
 * action to the engine and then redraw from the game state.
 */
class frmMain : public QMainWindow {
    Q_OBJECT

public:
    frmMain(GameState& state, Messenger& messenger, RandomSource& random, const Clock& clock,
        QWidget* parent = nullptr);
    ~frmMain() override;

    /** The registry, file lookup and program starter that Help > About and Instructions use. */
    void setPlatform(const PlatformServices& platform);
    /** Where start-up and Help > Instructions look for the game's files (see dataFolders());
     *  the working directory alone until set. */
    void setDataFolders(std::vector<std::filesystem::path> folders);

    /**
     * Sets the start values, reads the trace pictures from pictureDirectory (the working
     * directory when empty) and starts the first game, which shows the window.
     * False after a picture could not be read; the player has been told, and the program ends.
     */
    bool startUp(const QString& pictureDirectory = QString());

    void cmdNewGame_Click();
    void mnNewGame_Click();
    void cmdSolved_Click();
    void msfGrid_Click(int row, int column);
    void mnSettings_Click();
    void mnQuickHelp_Click();
    void mnuDocumentation_Click();
    void mnAbout_Click();
    void mnExit_Click();

    /** Fires from the cell in LaserRow, LaserCol and shows the outcome. */
    void Shoot();
    /** Shows picture-store row symbol (1..7) in board cell (r, c). */
    void Cheat(int symbol, int r, int c);

    /** Redraws the board and every label from the game state. */
    void refresh();

    CellGrid* msfGrid() const { return m_msfGrid; }
    const PictureStore& pictures() const { return m_pictures; }
    QLabel* lblAtoms() const { return m_lblAtoms; }
    QLabel* lblAtomsInGame() const { return m_lblAtomsInGame; }
    QLabel* lblBestScore() const { return m_lblBestScore; }
    QLabel* lblScore() const { return m_lblScore; }
    QLabel* lblResults() const { return m_lblResults; }
    QPushButton* cmdNewGame() const { return m_cmdNewGame; }
    QPushButton* cmdSolved() const { return m_cmdSolved; }
    /** The settings dialog, created hidden by startUp() and kept for the whole run. */
    frmOptions* settingsDialog() const { return m_frmOptions; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void createMenus();
    void createButtons(QWidget* area);
    void createLabels(QWidget* area);
    void createBoard(QWidget* area);
    QLabel* addLabel(QWidget* area, const QString& text, int left, int top, int width, int height,
        Qt::Alignment alignment);

    std::optional<PictureError> FillPictureStore(const QString& directory);
    void layOutBoardControl();
    void fitBoard();
    bool boardOverflows(QSize inner) const;
    QSize innerSize();
    QSize innerSizeWhenMaximized() const;

    GameState& m_state;
    Messenger& m_messenger;
    RandomSource& m_random;
    const Clock& m_clock;
    TwipScale m_twips;

    PictureStore m_pictures;
    Board m_neverBoard;

    std::optional<PlatformServices> m_platform;
    std::vector<std::filesystem::path> m_dataFolders{{}};
    QuickHelpCommand m_quickHelp{*this};
    frmOptions* m_frmOptions = nullptr;
    CellGrid* m_msfGrid = nullptr;
    CellGrid* m_msfNever = nullptr;
    QPushButton* m_cmdNewGame = nullptr;
    QPushButton* m_cmdSolved = nullptr;
    QLabel* m_lblAtoms = nullptr;
    QLabel* m_lblAtomsInGame = nullptr;
    QLabel* m_lblBestScore = nullptr;
    QLabel* m_lblScore = nullptr;
    QLabel* m_lblResults = nullptr;
    // Whether the window was maximised when the running new game hid it.
    bool m_keepMaximized = false;
};

} // namespace orbalux
