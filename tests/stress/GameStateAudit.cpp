#include "GameStateAudit.h"

#include "DeflectionLetter.h"
#include "NewGame.h"
#include "Shot.h"
#include "frmMain.h"
#include "frmOptions.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QScrollBar>

#include <algorithm>
#include <map>
#include <sstream>

namespace orbalux::testing {

namespace {

using Problems = std::vector<std::string>;

std::string at(CellPos pos)
{
    std::ostringstream out;
    out << "(" << pos.row << "," << pos.column << ")";
    return out.str();
}

void expect(Problems& problems, bool holds, const std::string& what)
{
    if (!holds)
        problems.push_back(what);
}

// Every text a deflection can write, with its code: looked up rather than rebuilt per cell.
const std::map<std::string, int>& deflectionCodes()
{
    static const std::map<std::string, int> codes = [] {
        std::map<std::string, int> all;
        for (int code = kFirstDeflectionLetter; code <= kLastDeflectionLetter; ++code)
            all.emplace(DeflectionLetter(static_cast<std::int16_t>(code)), code);
        return all;
    }();
    return codes;
}

bool isVisibleCharacter(const std::string& text)
{
    const QString shown = QString::fromStdString(text);
    return shown.size() == 1 && shown[0].isPrint() && !shown[0].isSpace();
}

bool isLetterOfThisGame(const std::string& text, int nextLetter)
{
    const auto found = deflectionCodes().find(text);
    if (found == deflectionCodes().end() || !isVisibleCharacter(text))
        return false;
    // Once the letters run out, the last one labels every later deflection.
    return found->second < nextLetter || (found->second == kLastDeflectionLetter && nextLetter == kLastDeflectionLetter);
}

bool isNumberText(const std::string& text)
{
    return !text.empty() && text.size() <= 2
        && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

void auditSettings(Problems& problems, const GameState& state)
{
    expect(problems, state.GridSize >= kMinGridSize && state.GridSize <= kMaxGridSize, "GridSize out of range");
    expect(problems, state.EdgeIndex == state.GridSize + 1, "EdgeIndex is not GridSize + 1");
    expect(problems, state.AtomCount >= kMinAtomCount && state.AtomCount <= kMaxAtomCount, "AtomCount out of range");
    expect(problems, state.Score >= 0 && state.Score <= kScoreCeiling, "Score out of range");
    expect(problems, state.BestScore >= 0 && state.BestScore <= 99, "BestScore out of range");
    expect(problems, state.NextDeflectionLetter >= kFirstDeflectionLetter
            && state.NextDeflectionLetter <= kLastDeflectionLetter,
        "NextDeflectionLetter out of range");
}

void auditAtoms(Problems& problems, const GameState& state)
{
    const int n = state.board.fieldSize();
    expect(problems, n >= kMinGridSize && n <= kMaxGridSize && state.board.rows() == state.board.columns(),
        "the board in use is not a square of a playable size");
    expect(problems, state.atomsInGame >= kMinAtomCount && state.atomsInGame <= kMaxAtomCount,
        "atomsInGame out of range");
    expect(problems, state.AtomMap.count() == state.atomsInGame, "AtomMap does not hold atomsInGame atoms");
    for (std::int16_t row = 0; row < AtomLayout::kSide; ++row) {
        for (std::int16_t column = 0; column < AtomLayout::kSide; ++column) {
            const bool inField = row >= 1 && row <= n && column >= 1 && column <= n;
            if (!inField && state.AtomMap.hasAtom(row, column))
                problems.push_back("atom outside the field at " + at({row, column}));
        }
    }
}

// Each returns what is wrong with one cell, or nothing when it shows only what its place allows.
std::string fieldCellFault(const GameState& state, CellPos pos, const Cell& cell)
{
    if (!cell.text.empty() && cell.text != "O")
        return "shows \"" + cell.text + "\"";
    if (cell.background == Colour::Blue)
        return state.GameInProgress || !state.AtomMap.hasAtom(pos) ? "is blue without a revealed atom" : "";
    return cell.background == Colour::ToolTip ? "" : "has a stray colour";
}

std::string borderCellFault(const GameState& state, CellPos pos, const Cell& cell)
{
    const std::string& text = cell.text;
    if (cell.picture != SegmentKind::None)
        return "holds a trace picture";
    bool sound = false;
    switch (cell.background) {
    case Colour::Aqua:
        sound = text.empty() || (isNumberText(text) && std::stoi(text) == borderNumber(pos, state.board.fieldSize()));
        break;
    case Colour::Red: sound = text == "H"; break;
    case Colour::Yellow: sound = text == "R"; break;
    case Colour::Lime: sound = isLetterOfThisGame(text, state.NextDeflectionLetter); break;
    default: return "has a stray colour";
    }
    return sound ? "" : "shows \"" + text + "\" on colour " + std::to_string(static_cast<int>(cell.background));
}

std::string cornerFault(const Cell& cell)
{
    const bool blank = cell.text.empty() && cell.background == Colour::Silver && cell.picture == SegmentKind::None;
    return blank ? "" : "is not a blank silver cell";
}

std::string cellFault(const GameState& state, CellPos pos, const Cell& cell)
{
    switch (state.board.kindOf(pos)) {
    case CellKind::Field: return fieldCellFault(state, pos, cell);
    case CellKind::Border: return borderCellFault(state, pos, cell);
    default: return cornerFault(cell);
    }
}

void auditBoard(Problems& problems, const GameState& state)
{
    int marks = 0;
    for (std::int16_t row = 0; row < state.board.rows(); ++row) {
        for (std::int16_t column = 0; column < state.board.columns(); ++column) {
            const CellPos pos{row, column};
            const Cell& cell = state.board.cell(pos);
            const std::string fault = cellFault(state, pos, cell);
            if (!fault.empty())
                problems.push_back("cell " + at(pos) + " " + fault);
            marks += state.board.kindOf(pos) == CellKind::Field && cell.text == "O" ? 1 : 0;
        }
    }
    expect(problems, marks == state.MarkedCount,
        "MarkedCount " + std::to_string(state.MarkedCount) + " but " + std::to_string(marks) + " cells show \"O\"");
}

void expectLabel(Problems& problems, const QLabel* label, long long value, const std::string& name)
{
    if (label->text() != QString::number(value))
        problems.push_back(name + " shows \"" + label->text().toStdString() + "\", not " + std::to_string(value));
}

void auditLabels(Problems& problems, const GameState& state, const frmMain& window)
{
    expectLabel(problems, window.lblAtoms(), state.MarkedCount, "lblAtoms");
    expectLabel(problems, window.lblAtomsInGame(), state.atomsInGame, "lblAtomsInGame");
    expectLabel(problems, window.lblScore(), state.Score, "lblScore");
    expectLabel(problems, window.lblBestScore(), state.BestScore, "lblBestScore");
    expect(problems, window.lblResults()->text().toStdString() == state.resultsText, "lblResults lags resultsText");
}

void auditDialog(Problems& problems, const GameState& state, const frmOptions& dialog)
{
    expect(problems, !dialog.isVisible(), "the settings dialog is still showing");
    expect(problems, dialog.hsGrid()->value() == state.GridSize && dialog.hsAtoms()->value() == state.AtomCount,
        "the settings bars disagree with the settings in force");
    expect(problems, dialog.lblSize()->text() == QStringLiteral("%1 x %1").arg(state.GridSize),
        "lblSize shows " + dialog.lblSize()->text().toStdString());
    expect(problems, dialog.lblAtoms()->text() == QString::number(state.AtomCount),
        "the dialog's lblAtoms shows " + dialog.lblAtoms()->text().toStdString());
    expect(problems, dialog.cbNumbers()->isChecked() == state.ShowNumbers
            && dialog.cbTrace()->isChecked() == state.TraceShots,
        "the check boxes disagree with the settings in force");
}

void auditWindow(Problems& problems, const GameState& state, const frmMain& window)
{
    expect(problems, window.isVisible(), "the main window is hidden");
    expect(problems, window.msfGrid()->board() == &state.board, "msfGrid shows another board");
    expect(problems, window.msfGrid()->size() == window.msfGrid()->sizeHint(), "msfGrid is not sized to its board");
    expect(problems, QApplication::overrideCursor() == nullptr, "the busy pointer is still showing");
    if (window.settingsDialog())
        auditDialog(problems, state, *window.settingsDialog());
    else
        problems.push_back("there is no settings dialog");
}

} // namespace

std::vector<std::string> auditGame(const GameState& state, const frmMain& window)
{
    Problems problems;
    auditSettings(problems, state);
    auditAtoms(problems, state);
    auditBoard(problems, state);
    auditLabels(problems, state, window);
    auditWindow(problems, state, window);
    return problems;
}

} // namespace orbalux::testing
