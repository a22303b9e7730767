#include "main/frmMain.h"

#include "common/AppIcon.h"
#include "common/DialogParts.h"
#include "common/PlayerWords.h"
#include "common/ProgramTitle.h"
#include "deduce/DeadlineBudget.h"
#include "deduce/GameDeduction.h"
#include "grid/Announcer.h"
#include "grid/BoardLook.h"
#include "grid/CellGrid.h"
#include "help/frmAbout.h"
#include "help/frmQuick.h"
#include "main/ReviewDialog.h"
#include "main/SettingsVerdict.h"
#include "main/Translations.h"
#include "platform/DataFiles.h"
#include "platform/OpenInstructions.h"
#include "settings/frmOptions.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QShortcut>
#include <QWindow>

#include <utility>
#include <variant>

namespace orbalux {

namespace {

constexpr int kCellTwips = 400;
// The proof is asked again after every shot; the review once, and it may think longer.
constexpr auto kProofBudget = std::chrono::seconds(2);
constexpr auto kReviewBudget = std::chrono::seconds(5);

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

// One handler per kind of result, for std::visit.
template <typename... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};

QAction* addMenuItem(QMenu* menu, const char* name, const QString& text, const QKeySequence& shortcut = {})
{
    QAction* item = menu->addAction(text);
    item->setObjectName(QString::fromLatin1(name));
    item->setShortcut(shortcut);
    return item;
}

} // namespace

// The layouts were drawn for a font in which these, the tightest captions, just fit. They are
// measured in English whatever the language, so every window keeps its size and a translation
// has to fit in the room the English text has.
frmMain::frmMain(const MainWindowServices& services, QWidget* parent)
    : QMainWindow(parent)
    , m_messenger(services.messenger)
    , m_random(services.random)
    , m_clock(services.clock)
    , m_twips({{"Atoms on Board:", 1215}, {"Atoms in Game:", 1335}, {"Best Score:", 855}})
    , m_platform(services.platform)
    , m_dataFolders(services.dataFolders)
    , m_questions(services.questions)
{
    setWindowTitle(programTitle());
    auto* area = new QWidget(this);
    setCentralWidget(area);
    createMenus();
    createButtons(area);
    createLabels(area);
    createBoard(area);
    createAnnouncer();
    resize(m_twips(8355), m_twips(6090) + menuBar()->sizeHint().height());
    startUp();
}

frmMain::~frmMain() = default;

// Each menu's access keys, and the menu bar's, must stay unique in every language.
void frmMain::createMenus()
{
    //: Menu bar; its access key must differ from Deduce's and Help's.
    QMenu* mnFile = menuBar()->addMenu(tr("&File"));
    //: File menu; access keys unique within the menu.
    connect(addMenuItem(mnFile, "mnNewGame", tr("&New Game"), QKeySequence(Qt::CTRL | Qt::Key_N)),
        &QAction::triggered, this, &frmMain::mnNewGame_Click);
    //: File menu: opens the settings dialog.
    connect(addMenuItem(mnFile, "mnSettings", tr("&Settings")), &QAction::triggered, this,
        &frmMain::mnSettings_Click);
    //: File menu: ends the program.
    connect(addMenuItem(mnFile, "mnExit", tr("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_Q)),
        &QAction::triggered, this, &frmMain::mnExit_Click);
    createDeduceMenu();
    //: Menu bar.
    QMenu* mnHelp = menuBar()->addMenu(tr("&Help"));
    //: Help menu: the window with the rules in short and the legend.
    connect(addMenuItem(mnHelp, "mnQuickHelp", tr("&Quick Help"), QKeySequence(Qt::Key_F1)),
        &QAction::triggered, this, &frmMain::mnQuickHelp_Click);
    //: Help menu: opens the instructions document.
    connect(addMenuItem(mnHelp, "mnuDocumentation", tr("&Instructions")), &QAction::triggered, this,
        &frmMain::mnuDocumentation_Click);
    //: Help menu: the About box.
    connect(addMenuItem(mnHelp, "mnAbout", tr("&About")), &QAction::triggered, this,
        &frmMain::mnAbout_Click);
}

void frmMain::createDeduceMenu()
{
    //: Menu bar: the questions the game answers about the board.
    QMenu* mnDeduce = menuBar()->addMenu(tr("&Deduce"));
    //: Deduce menu: do the shots so far pin every atom down?
    connect(addMenuItem(mnDeduce, "mnShotsEnough", tr("Are My Shots &Enough?")), &QAction::triggered,
        this, &frmMain::mnShotsEnough_Click);
    //: Deduce menu: which shots disagree with the player's marks?
    connect(addMenuItem(mnDeduce, "mnCheckMarks", tr("&Check My Marks")), &QAction::triggered, this,
        &frmMain::mnCheckMarks_Click);
    //: Deduce menu, a check item: new games hide the atoms only where the shots can find them.
    QAction* mnDecidableOnly = addMenuItem(mnDeduce, "mnDecidableOnly", tr("Deal Only &Decidable Fields"));
    mnDecidableOnly->setCheckable(true);
    connect(mnDecidableOnly, &QAction::toggled, this, &frmMain::mnDecidableOnly_Click);
    mnDeduce->addSeparator();
    m_mnShowProof = addMenuItem(mnDeduce, "mnShowProof", PlayerWords::showProofItem());
    m_mnShowProof->setCheckable(true);
    connect(m_mnShowProof, &QAction::toggled, this, &frmMain::mnShowProof_Click);
    m_mnReview = addMenuItem(mnDeduce, "mnReview", PlayerWords::reviewItem());
    m_mnReview->setEnabled(false);
    connect(m_mnReview, &QAction::triggered, this, &frmMain::mnReview_Click);
}

void frmMain::createButtons(QWidget* area)
{
    //: Button, 73 pixels wide.
    m_cmdNewGame = addButton(area, m_twips, "cmdNewGame", tr("New Game"), {120, 120, 1095, 375});
    connect(m_cmdNewGame, &QPushButton::clicked, this, &frmMain::cmdNewGame_Click);
    //: Button, 73 pixels wide; the line under the buttons and the help name it.
    m_cmdSolved = addButton(area, m_twips, "cmdSolved", tr("Solved!"), {1320, 120, 1095, 375});
    connect(m_cmdSolved, &QPushButton::clicked, this, &frmMain::cmdSolved_Click);
}

// A counter: its caption right-aligned before it, its number left-aligned, on one line.
QLabel* frmMain::addCounter(QWidget* area, const char* captionName, const QString& caption, const QRect& captionRect,
    const char* name, const QRect& rect)
{
    addLabel(area, m_twips, captionName, caption, captionRect, Qt::AlignRight | Qt::AlignVCenter, false);
    QLabel* counter = addLabel(area, m_twips, name, QString(), rect, Qt::AlignLeft | Qt::AlignVCenter, false);
    // The caption without its colon, and without the blank French puts before one.
    static const QRegularExpression colon(QStringLiteral("\\s*:\\s*$"));
    counter->setAccessibleDescription(QString(caption).remove(colon));
    return counter;
}

void frmMain::createLabels(QWidget* area)
{
    //: Counter of the cells marked "O", 81 pixels wide.
    m_lblAtoms = addCounter(area, "Label2", tr("Atoms on Board:"), {2520, 120, 1215, 255}, "lblAtoms", {3840, 120, 255, 255});
    //: Counter of the atoms hidden in this game, 89 pixels wide.
    m_lblAtomsInGame = addCounter(area, "Label3", tr("Atoms in Game:"), {2400, 360, 1335, 255}, "lblAtomsInGame", {3840, 360, 375, 255});
    //: The lowest score of a full solution since the program started, 57 pixels wide.
    m_lblBestScore = addCounter(area, "Label4", tr("Best Score:"), {120, 600, 855, 255}, "lblBestScore", {1080, 600, 375, 255});
    //: The points this game's shots cost so far, 33 pixels wide.
    m_lblScore = addCounter(area, "Label1", tr("Score:"), {3240, 600, 495, 255}, "lblScore", {3840, 600, 375, 255});
    // The instructions run to four lines in today's fonts, so the label may reach down to the board.
    m_lblResults = addLabel(area, m_twips, "lblResults", QString(), {4200, 120, 3975, 825});
}

void frmMain::createBoard(QWidget* area)
{
    m_msfGrid = new CellGrid(area);
    m_msfGrid->setObjectName(QStringLiteral("msfGrid"));
    m_msfGrid->move(m_twips(120), m_twips(960));
    m_msfGrid->setPictureStore(&m_pictures);
    m_msfGrid->setRowHeight(m_twips(kCellTwips));
    m_msfGrid->setColumnWidth(m_twips(kCellTwips));
    connect(m_msfGrid, &CellGrid::cellClicked, this, &frmMain::msfGrid_Click);
    m_msfGrid->installEventFilter(this);
    // Keyboard players reach the board after the two buttons, and start on it.
    //: What a screen reader calls the game board.
    m_msfGrid->setAccessibleName(tr("Board"));
    QWidget::setTabOrder(m_cmdNewGame, m_cmdSolved);
    QWidget::setTabOrder(m_cmdSolved, m_msfGrid);
    m_msfGrid->setFocus();
}

// Screen-reader users hear each result as it happens, and R on the board says the last again;
// R is free of the screen reader's own keys, which all take its modifier or the keypad.
void frmMain::createAnnouncer()
{
    m_announcer = new Announcer(this);
    auto* repeat = new QShortcut(QKeySequence(Qt::Key_R), m_msfGrid);
    repeat->setContext(Qt::WidgetShortcut);
    connect(repeat, &QShortcut::activated, m_announcer, &Announcer::repeat);
}

void frmMain::startUp()
{
    m_lblBestScore->setText(QString::number(m_run.BestScore()));
    showBusyPointer();
    const std::optional<PictureError> error = FillPictureStore();
    if (error) {
        showNormalPointer();
        m_messenger.showMessage(PlayerWords::startUpError(error->number, error->description));
        return;
    }
    startNewGame();
    m_startedUp = true;
}

std::optional<PictureError> frmMain::FillPictureStore()
{
    return m_pictures.load(m_dataFolders);
}

void frmMain::cmdNewGame_Click()
{
    if (m_game.GameInProgress() && !m_messenger.askYesNo(PlayerWords::newGameQuestion()))
        return;
    startNewGame();
}

void frmMain::mnNewGame_Click()
{
    cmdNewGame_Click();
}

void frmMain::startNewGame()
{
    showBusyPointer();
    m_keepMaximized = isMaximized();
    hide();
    DeadlineBudget budget(kDeductionBudget);
    m_game = dealGame(m_settings, m_random, budget);
    cancelReview();
    m_mnReview->setEnabled(false);
    clearProof();
    for (const BadDraw draw : m_game.dealComplaints())
        m_messenger.showMessage(PlayerWords::badDraw(draw));
    m_resultsText = PlayerWords::instructions(m_game.board().showsNumbers());
    refresh();
    showNormalPointer();
    show();
    fitBoard();
    m_game.startClock(m_clock.secondsSinceMidnight());
    m_announcer->announce(PlayerWords::gameAnnouncement(m_resultsText, m_game, m_run.BestScore()));
    if (m_mnShowProof->isChecked())
        requestProof(std::nullopt);
}

void frmMain::fitBoard()
{
    if (!boardOverflows(innerSize()))
        return;
    showMaximized();
    if (boardOverflows(innerSizeWhenMaximized()))
        m_messenger.showMessage(PlayerWords::boardTooLarge());
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
    const SolveResult result = m_game.SolveGame(m_clock.secondsSinceMidnight());
    showNormalPointer();
    if (result.kind == SolveResult::Kind::WrongMarkCount) {
        m_messenger.showMessage(PlayerWords::solved(result));
        return;
    }
    m_resultsText = PlayerWords::solved(result);
    if (result.kind == SolveResult::Kind::AllFound)
        m_run.recordFullSolution(m_game.Score());
    // The revealed atoms tell the truth now.
    clearProof();
    m_mnReview->setEnabled(true);
    refresh();
    m_announcer->announce(PlayerWords::gameAnnouncement(m_resultsText, m_game, m_run.BestScore()));
}

void frmMain::msfGrid_Click(int row, int column)
{
    const ClickResult result = m_game.click(
        {static_cast<std::int16_t>(row), static_cast<std::int16_t>(column)}, m_settings.TraceShots);
    std::visit(Overloaded{
        [](const Ignored&) {},
        [this](const Refusal& refusal) { m_messenger.showMessage(PlayerWords::refusal(refusal.kind)); },
        [this](const MarkResult& mark) {
            refresh();
            m_announcer->announce(PlayerWords::markAnnouncement(m_game.board(), mark, m_game.AtomCount()));
        },
        [this](const ShotResult& shot) {
            m_resultsText = PlayerWords::explanation(shot.outcome, shot.letter);
            refresh();
            const QString said = PlayerWords::shotAnnouncement(m_game.board(), shot, m_game.Score());
            if (m_mnShowProof->isChecked())
                requestProof(said);
            else
                m_announcer->announce(said);
        },
    }, result);
}

void frmMain::refresh()
{
    const Board& board = m_game.board();
    m_msfGrid->setCells(board.side(), board.side(), looksOf(board, m_proof));
    m_msfGrid->resize(m_msfGrid->sizeHint());
    m_lblAtoms->setText(QString::number(m_game.MarkedCount()));
    m_lblAtomsInGame->setText(QString::number(m_game.AtomCount()));
    m_lblScore->setText(QString::number(m_game.Score()));
    m_lblBestScore->setText(QString::number(m_run.BestScore()));
    m_lblResults->setText(m_resultsText);
}

void frmMain::mnSettings_Click()
{
    if (!m_frmOptions) {
        m_frmOptions = new frmOptions(m_twips, this);
        m_frmOptions->setObjectName(QStringLiteral("frmOptions"));
    }
    const SettingsVisit visit = m_frmOptions->visit(m_settings);
    // The deal choice is the Deduce menu's, not the dialog's, and the menu has the last word.
    const bool dealDecidableOnly = m_settings.DealDecidableOnly;
    m_settings = visit.settings;
    m_settings.DealDecidableOnly = dealDecidableOnly;
    const SettingsVerdict verdict = judgeSettingsVisit(m_SettingsChanged, visit, m_game.GameInProgress());
    m_SettingsChanged = verdict.SettingsChanged;
    if (verdict.askNewGame && m_messenger.askYesNo(PlayerWords::newGameQuestion()))
        startNewGame();
}

void frmMain::mnShotsEnough_Click()
{
    showBusyPointer();
    DeadlineBudget budget(kDeductionBudget);
    const Deduction deduction = deduceField(m_game, budget);
    showNormalPointer();
    m_messenger.showMessage(PlayerWords::shotsEnough(deduction.verdict, m_game.AtomCount()));
}

void frmMain::mnCheckMarks_Click()
{
    showBusyPointer();
    const std::vector<MarkDisagreement> disagreements = checkMarks(m_game);
    showNormalPointer();
    const QString answer = PlayerWords::marksCheck(
        disagreements, m_game.board().fieldSize(), m_game.MarkedCount(), m_game.AtomCount());
    m_messenger.showMessage(answer);
}

void frmMain::mnDecidableOnly_Click(bool checked)
{
    m_settings.DealDecidableOnly = checked;
}

void frmMain::mnShowProof_Click(bool checked)
{
    if (checked && m_game.GameInProgress())
        requestProof(std::nullopt);
    else if (!checked)
        clearProof();
}

// The proof stays on screen until the new one comes: more shots only ever prove more.
void frmMain::requestProof(std::optional<QString> shotAnnouncement)
{
    if (shotAnnouncement)
        m_shotAnnouncement = std::move(shotAnnouncement);
    const std::uint64_t ticket = ++m_proofTicket;
    m_proofWorker.run(
        [this, ticket, game = m_game, prove = m_questions.prove](CancellableBudget& budget) {
            FieldProof proof = prove(game, budget);
            if (budget.cancelled())
                return;
            QMetaObject::invokeMethod(
                this, [this, ticket, proof = std::move(proof)] { proofReady(ticket, proof); }, Qt::QueuedConnection);
        },
        kProofBudget);
}

// A shot still waiting for its proof is said at once, without one.
void frmMain::clearProof()
{
    ++m_proofTicket;
    m_proofWorker.cancel();
    if (m_shotAnnouncement)
        m_announcer->announce(*std::exchange(m_shotAnnouncement, std::nullopt));
    if (m_proof.provenAtoms == AtomLayout() && m_proof.provenEmpty == AtomLayout())
        return;
    m_proof = {};
    refresh();
}

void frmMain::proofReady(std::uint64_t ticket, const FieldProof& proof)
{
    if (ticket != m_proofTicket)
        return;
    m_proof = proof;
    refresh();
    if (m_shotAnnouncement) {
        m_announcer->announce(PlayerWords::proofAnnouncement(
            *std::exchange(m_shotAnnouncement, std::nullopt), proof.provenAtoms.count(), proof.provenEmpty.count()));
    }
}

// The window keeps answering while the review is worked out, so the pointer shows it busy
// rather than waiting.
void frmMain::mnReview_Click()
{
    const std::uint64_t ticket = ++m_reviewTicket;
    setCursor(Qt::BusyCursor);
    m_reviewWorker.run(
        [this, ticket, game = m_game, review = m_questions.review](CancellableBudget& budget) {
            FieldReview answer = review(game, budget);
            if (budget.cancelled())
                return;
            QMetaObject::invokeMethod(
                this, [this, ticket, answer = std::move(answer)] { reviewReady(ticket, answer); }, Qt::QueuedConnection);
        },
        kReviewBudget);
}

void frmMain::cancelReview()
{
    ++m_reviewTicket;
    m_reviewWorker.cancel();
    unsetCursor();
}

void frmMain::reviewReady(std::uint64_t ticket, const FieldReview& review)
{
    if (ticket != m_reviewTicket)
        return;
    unsetCursor();
    auto* dialog = new ReviewDialog(
        PlayerWords::review(review, m_game.board(), m_game.Score(), m_game.AtomCount()), this);
    dialog->setObjectName(QStringLiteral("frmReview"));
    dialog->open();
}

// The quick help window is made when first wanted and only hidden afterwards.
void frmMain::mnQuickHelp_Click()
{
    if (!m_frmQuick) {
        m_frmQuick = new frmQuick(m_twips, this);
        m_frmQuick->setObjectName(QStringLiteral("frmQuick"));
    }
    m_frmQuick->exec();
}

// The opener may start and only then find nothing to open the document with; the player gets
// the same hint then, if the window is still there to give it.
void frmMain::mnuDocumentation_Click()
{
    const auto showHint = [window = QPointer<frmMain>(this)] {
        if (window)
            window->m_messenger.showMessage(PlayerWords::instructionsHint());
    };
    if (!openInstructions(m_platform.programs, instructionsDocument().string(), showHint))
        showHint();
}

// The document in the player's language where there is one, else the English one; the bare
// name when neither is found, for the opener to complain about.
std::filesystem::path frmMain::instructionsDocument() const
{
    for (const std::string& name : instructionsNames()) {
        if (const std::optional<std::filesystem::path> found = findDataFile(name, m_dataFolders))
            return *found;
    }
    return kInstructionsFile;
}

// A fresh box for every visit; it deletes itself once closed.
void frmMain::mnAbout_Click()
{
    auto* box = new frmAbout(m_twips, m_platform, m_messenger, this);
    box->setObjectName(QStringLiteral("frmAbout"));
    box->exec();
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

// Decoding the icon is no part of what the player first sees, so it waits for the board's first
// paint and comes once the whole window is on screen.
bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_msfGrid && event->type() == QEvent::Paint) {
        m_msfGrid->removeEventFilter(this);
        QMetaObject::invokeMethod(this, [] { QApplication::setWindowIcon(appIcon(64)); }, Qt::QueuedConnection);
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::closeEvent(QCloseEvent* event)
{
    event->accept();
    QCoreApplication::quit();
}

} // namespace orbalux
