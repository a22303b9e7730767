#include "frmMain.h"

#include "AboutCommand.h"
#include "NewGame.h"
#include "OpenInstructions.h"
#include "NumberText.h"
#include "Shot.h"
#include "SolveGame.h"
#include "BoardClick.h"
#include "DataFiles.h"
#include "SettingsCommand.h"
#include "Twips.h"
#include "frmOptions.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

namespace orbalux {

namespace {

constexpr int kCellTwips = 400;
const char* const kNewGameQuestion = "You are already in a game.  Do you want to start a new game?";
const char* const kOverflowMessage =
    "You have choosen a grid size larger than what can fit on your screen.  Try using a smaller grid.";

QString labelNumber(long long n)
{
    return QString::fromStdString(plainNumber(n));
}

// Start-up, a new game and "Solved!" show the busy pointer while they run.
void showBusyPointer()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void showNormalPointer()
{
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

} // namespace

std::string startUpErrorText(const PictureError& error)
{
    return "Error Number: " + plainNumber(error.number) + " occured.  " + error.description.toStdString();
}

frmMain::frmMain(GameState& state, Messenger& messenger, RandomSource& random, const Clock& clock, QWidget* parent)
    : QMainWindow(parent), m_state(state), m_messenger(messenger), m_random(random), m_clock(clock)
{
    setWindowTitle(QStringLiteral("Orbalux"));
    auto* area = new QWidget(this);
    setCentralWidget(area);
    createMenus();
    createButtons(area);
    createLabels(area);
    createBoard(area);
    resize(m_twips(8355), m_twips(6090) + menuBar()->sizeHint().height());
}

frmMain::~frmMain() = default;

void frmMain::createMenus()
{
    QMenu* mnFile = menuBar()->addMenu(QStringLiteral("&File"));
    connect(mnFile->addAction(QStringLiteral("&New Game"), QKeySequence(Qt::CTRL | Qt::Key_N)), &QAction::triggered, this,
        &frmMain::mnNewGame_Click);
    connect(mnFile->addAction(QStringLiteral("&Settings")), &QAction::triggered, this, &frmMain::mnSettings_Click);
    connect(mnFile->addAction(QStringLiteral("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_Q)), &QAction::triggered, this,
        &frmMain::mnExit_Click);
    QMenu* mnHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    connect(mnHelp->addAction(QStringLiteral("&Quick Help"), QKeySequence(Qt::Key_F1)), &QAction::triggered, this,
        &frmMain::mnQuickHelp_Click);
    connect(mnHelp->addAction(QStringLiteral("&Instructions")), &QAction::triggered, this,
        &frmMain::mnuDocumentation_Click);
    connect(mnHelp->addAction(QStringLiteral("&About")), &QAction::triggered, this, &frmMain::mnAbout_Click);
}

void frmMain::createButtons(QWidget* area)
{
    m_cmdNewGame = new QPushButton(QStringLiteral("New Game"), area);
    m_cmdNewGame->setGeometry(m_twips(120), m_twips(120), m_twips(1095), m_twips(375));
    connect(m_cmdNewGame, &QPushButton::clicked, this, &frmMain::cmdNewGame_Click);
    m_cmdSolved = new QPushButton(QStringLiteral("Solved!"), area);
    m_cmdSolved->setGeometry(m_twips(1320), m_twips(120), m_twips(1095), m_twips(375));
    connect(m_cmdSolved, &QPushButton::clicked, this, &frmMain::cmdSolved_Click);
}

QLabel* frmMain::addLabel(QWidget* area, const QString& text, int left, int top, int width, int height,
    Qt::Alignment alignment)
{
    auto* label = new QLabel(text, area);
    m_twips.place(label, left, top, width, height);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

void frmMain::createLabels(QWidget* area)
{
    addLabel(area, QStringLiteral("Atoms on Board:"), 2520, 120, 1215, 255, Qt::AlignRight);
    m_lblAtoms = addLabel(area, QString(), 3840, 120, 255, 255, Qt::AlignLeft);
    addLabel(area, QStringLiteral("Atoms in Game:"), 2400, 360, 1335, 255, Qt::AlignRight);
    m_lblAtomsInGame = addLabel(area, QString(), 3840, 360, 375, 255, Qt::AlignLeft);
    addLabel(area, QStringLiteral("Best Score:"), 120, 600, 855, 255, Qt::AlignRight);
    m_lblBestScore = addLabel(area, QString(), 1080, 600, 375, 255, Qt::AlignLeft);
    addLabel(area, QStringLiteral("Score:"), 3240, 600, 495, 255, Qt::AlignRight);
    m_lblScore = addLabel(area, QString(), 3840, 600, 375, 255, Qt::AlignLeft);
    // A number read out alone means nothing, so each tells a screen reader what it counts.
    m_lblAtoms->setAccessibleDescription(QStringLiteral("Atoms on Board"));
    m_lblAtomsInGame->setAccessibleDescription(QStringLiteral("Atoms in Game"));
    m_lblBestScore->setAccessibleDescription(QStringLiteral("Best Score"));
    m_lblScore->setAccessibleDescription(QStringLiteral("Score"));
    // The instructions run to four lines in today's fonts, so the label may reach down to the board.
    m_lblResults = addLabel(area, QString(), 4200, 120, 3975, 825, Qt::AlignLeft);
    m_lblResults->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lblResults->setWordWrap(true);
}

void frmMain::createBoard(QWidget* area)
{
    m_msfGrid = new CellGrid(area);
    m_msfGrid->move(m_twips(120), m_twips(960));
    m_msfGrid->setBoard(&m_state.board);
    m_msfGrid->setPictureStore(&m_pictures);
    m_msfGrid->setRowHeight(m_twips(kCellTwips));
    m_msfGrid->setColumnWidth(m_twips(kCellTwips));
    connect(m_msfGrid, &CellGrid::cellClicked, this, &frmMain::msfGrid_Click);
    // Keyboard players reach the board after the two buttons, and start on it.
    m_msfGrid->setAccessibleName(QStringLiteral("Board"));
    QWidget::setTabOrder(m_cmdNewGame, m_cmdSolved);
    QWidget::setTabOrder(m_cmdSolved, m_msfGrid);
    m_msfGrid->setFocus();

    // The picture store is a grid of its own that is never shown: row k holds picture kind k.
    m_neverBoard.reset(kSegmentKindCount, 1);
    m_msfNever = new CellGrid(area);
    m_msfNever->setGeometry(m_twips(5640), m_twips(1560), m_twips(1095), m_twips(2055));
    m_msfNever->setBoard(&m_neverBoard);
    m_msfNever->setPictureStore(&m_pictures);
    m_msfNever->hide();
}

bool frmMain::startUp(const QString& pictureDirectory)
{
    m_state.BestScore = 99;
    m_lblBestScore->setText(labelNumber(m_state.BestScore));
    showBusyPointer();
    // The dialog takes the start values (5 atoms, 8 by 8) into its bars and the game state.
    m_frmOptions = new frmOptions(m_state, this);
    const std::optional<PictureError> error = FillPictureStore(pictureDirectory);
    if (error) {
        showNormalPointer();
        m_messenger.showMessage(startUpErrorText(*error));
        return false;
    }
    cmdNewGame_Click();
    return true;
}

std::optional<PictureError> frmMain::FillPictureStore(const QString& directory)
{
    for (int kind = 1; kind < kSegmentKindCount; ++kind)
        m_neverBoard.cell({static_cast<std::int16_t>(kind), 0}).picture = static_cast<SegmentKind>(kind);
    return directory.isEmpty() ? m_pictures.load(m_dataFolders) : m_pictures.load(directory);
}

void frmMain::cmdNewGame_Click()
{
    if (m_state.GameInProgress && !m_messenger.askYesNo(kNewGameQuestion))
        return;
    showBusyPointer();
    m_keepMaximized = isMaximized();
    hide();
    SetUpNewGame(m_state, m_random, m_messenger);
    layOutBoardControl();
    refresh();
    showNormalPointer();
    show();
    fitBoard();
    StartGameClock(m_state, m_clock);
}

void frmMain::mnNewGame_Click()
{
    cmdNewGame_Click();
}

void frmMain::layOutBoardControl()
{
    m_msfGrid->setBoard(&m_state.board);
    m_msfGrid->setRowHeight(m_twips(kCellTwips));
    m_msfGrid->setColumnWidth(m_twips(kCellTwips));
    m_msfGrid->resize(m_msfGrid->sizeHint());
}

void frmMain::fitBoard()
{
    if (!boardOverflows(innerSize()))
        return;
    showMaximized();
    if (boardOverflows(innerSizeWhenMaximized()))
        m_messenger.showMessage(kOverflowMessage);
}

bool frmMain::boardOverflows(QSize inner) const
{
    const QRect board = m_msfGrid->geometry();
    return board.top() + board.height() > inner.height() || board.left() + board.width() > inner.width();
}

QSize frmMain::innerSize()
{
    if (layout())
        layout()->activate();
    return centralWidget()->size();
}

QSize frmMain::innerSizeWhenMaximized() const
{
    // The window system may grant the maximised size only after this handler returns, so the
    // second look reckons it from the screen rather than waiting for it.
    const QScreen* where = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!where)
        return centralWidget()->size();
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize available = where->availableGeometry().size() - frame;
    const QSize inner(available.width(), available.height() - menuBar()->sizeHint().height());
    return inner.expandedTo(centralWidget()->size());
}

void frmMain::cmdSolved_Click()
{
    showBusyPointer();
    const SolveResult result = SolveGame(m_state, m_clock);
    showNormalPointer();
    if (result.kind == SolveResult::Kind::WrongMarkCount)
        m_messenger.showMessage(result.text);
    refresh();
}

void frmMain::msfGrid_Click(int row, int column)
{
    ClickBoardCell(m_state, {static_cast<std::int16_t>(row), static_cast<std::int16_t>(column)}, m_messenger);
    refresh();
}

void frmMain::Shoot()
{
    orbalux::Shoot(m_state, m_messenger);
    refresh();
}

void frmMain::Cheat(int symbol, int r, int c)
{
    if (symbol < 1 || symbol >= kSegmentKindCount)
        return;
    orbalux::Cheat(m_state.board, static_cast<SegmentKind>(symbol), static_cast<std::int16_t>(r),
        static_cast<std::int16_t>(c));
    m_msfGrid->update();
}

void frmMain::refresh()
{
    m_msfGrid->update();
    m_lblAtoms->setText(labelNumber(m_state.MarkedCount));
    m_lblAtomsInGame->setText(labelNumber(m_state.atomsInGame));
    m_lblScore->setText(labelNumber(m_state.Score));
    m_lblBestScore->setText(labelNumber(m_state.BestScore));
    m_lblResults->setText(QString::fromStdString(m_state.resultsText));
}

void frmMain::mnSettings_Click()
{
    if (m_frmOptions)
        RunSettingsCommand(*m_frmOptions, m_state, m_messenger, [this] { cmdNewGame_Click(); });
}

void frmMain::setPlatform(const PlatformServices& platform)
{
    m_platform.emplace(platform);
}

void frmMain::setDataFolders(std::vector<std::filesystem::path> folders)
{
    m_dataFolders = std::move(folders);
}

void frmMain::mnQuickHelp_Click()
{
    m_quickHelp.run();
}

void frmMain::mnuDocumentation_Click()
{
    if (m_platform)
        openInstructions(m_platform->programs, m_messenger,
            findDataFile(kInstructionsFile, m_dataFolders).value_or(kInstructionsFile).string());
}

void frmMain::mnAbout_Click()
{
    if (m_platform)
        showAbout(*m_platform, m_messenger, *this);
}

void frmMain::mnExit_Click()
{
    QCoreApplication::quit();
}

// A window manager may forget that the window was maximised when a new game hides it, and says
// so only when it takes the window back, before the window is on screen again: that change is
// the window manager's, not the player's, so the window asks to be maximised once more.
void frmMain::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || !m_keepMaximized)
        return;
    const bool onScreen = windowHandle() && windowHandle()->isExposed();
    if (!isMaximized() && !isMinimized() && !onScreen) {
        m_keepMaximized = false;
        showMaximized();
    }
}

void frmMain::closeEvent(QCloseEvent* event)
{
    event->accept();
    QCoreApplication::quit();
}

} // namespace orbalux
