#include "WindowView.h"

#include "common/PlayerWords.h"
#include "game/DeflectionLetter.h"
#include "game/Game.h"

#include <map>
#include <set>

namespace orbalux::testing {

namespace {

using Problems = std::vector<std::string>;

const QColor kSilver(0xC0C0C0);
const QColor kBlue(0x0000FF);
const QColor kLime(0x00FF00);
const QColor kAqua(0x00FFFF);
const QColor kRed(0xFF0000);
const QColor kYellow(0xFFFF00);

bool isOneGlyph(const QString& text)
{
    return text.size() == 1 && text[0].isPrint() && !text[0].isSpace();
}

// Shows a number within low..high; the counters show nothing else.
bool showsNumber(const QString& text, int low, int high)
{
    bool isNumber = false;
    const int value = text.toInt(&isNumber);
    return isNumber && value >= low && value <= high && text == QString::number(value);
}

std::string quoted(const CellLook& look)
{
    // Built from a string rather than a literal: GCC 12 at -O3 misreads "x" + string as an overlapping copy.
    return std::string(1, '"') + look.text.toStdString() + "\" on " + look.background.name().toStdString();
}

std::string cornerFault(const CellLook& look)
{
    const bool blank = look.text.isEmpty() && look.background == kSilver && look.picture == SegmentKind::None;
    return blank ? "" : "is no blank corner but " + quoted(look);
}

std::string borderFault(const CellLook& look, int fieldSize)
{
    if (look.picture != SegmentKind::None)
        return "holds a trace picture";
    const QString& text = look.text;
    const bool sound = (look.background == kAqua && (text.isEmpty() || showsNumber(text, 1, 4 * fieldSize)))
        || (look.background == kRed && text == "H") || (look.background == kYellow && text == "R")
        || (look.background == kLime && isOneGlyph(text));
    return sound ? "" : "shows " + quoted(look);
}

std::string fieldFault(const CellLook& look, bool revealed)
{
    if (!look.text.isEmpty() && look.text != "O")
        return "shows " + quoted(look);
    if (revealed != (look.background == kBlue))
        return revealed ? "hides a revealed atom" : "is blue without a revealed atom";
    return revealed || look.background == toolTipColour() ? "" : "has a stray colour: " + quoted(look);
}

// Below the last letter every deflection labels its two ends alone; numbers label one cell each.
void auditLabelsOfTheBorder(Problems& problems, const WindowView& view)
{
    static const QString last = QString::fromStdString(deflectionLetter(kLastDeflectionLetter));
    std::map<QString, int> letters;
    std::set<QString> numbers;
    for (const CellPos pos : view.cellsOf(Place::Border)) {
        const CellLook& look = view.at(pos);
        if (look.background == kLime && look.text != last)
            ++letters[look.text];
        if (look.background == kAqua && !look.text.isEmpty() && !numbers.insert(look.text).second)
            problems.push_back("the number " + look.text.toStdString() + " stands twice on the border");
    }
    for (const auto& [letter, cells] : letters) {
        if (cells != 2)
            problems.push_back("the letter " + letter.toStdString() + " stands in " + std::to_string(cells) + " cells");
    }
}

void auditCells(Problems& problems, const WindowView& view, const AtomLayout& atoms, bool finished)
{
    for (std::int16_t row = 0; row < view.side; ++row) {
        for (std::int16_t column = 0; column < view.side; ++column) {
            const CellPos pos{row, column};
            const CellLook& look = view.at(pos);
            std::string fault;
            switch (view.placeOf(pos)) {
            case Place::Corner: fault = cornerFault(look); break;
            case Place::Border: fault = borderFault(look, view.side - 2); break;
            default: fault = fieldFault(look, finished && atoms.hasAtom(pos)); break;
            }
            if (!fault.empty())
                problems.push_back("cell " + at(pos) + " " + fault);
        }
    }
}

void auditCounters(Problems& problems, const WindowView& view, const AtomLayout& atoms)
{
    if (view.marked != QString::number(view.marks().size()))
        problems.push_back("lblAtoms shows " + view.marked.toStdString() + " beside " + std::to_string(view.marks().size())
            + " marks");
    if (view.atomsInGame != QString::number(atoms.count()))
        problems.push_back("lblAtomsInGame shows " + view.atomsInGame.toStdString() + " for "
            + std::to_string(atoms.count()) + " dealt atoms");
    if (!showsNumber(view.score, 0, kScoreCeiling))
        problems.push_back("lblScore shows " + view.score.toStdString());
    if (!showsNumber(view.best, 0, 99))
        problems.push_back("lblBestScore shows " + view.best.toStdString());
}

} // namespace

// The proof comes from another thread whenever it is ready, so a view leaves it out; the session
// checks it apart, against the atoms.
CellLook withoutProof(CellLook look)
{
    const QString ending = look.proven == Proven::Atom ? PlayerWords::provenAtom()
        : look.proven == Proven::Empty                 ? PlayerWords::provenEmpty()
                                                       : QString();
    if (!ending.isEmpty() && look.description.endsWith(ending))
        look.description.chop(ending.size());
    look.proven = Proven::No;
    return look;
}

WindowView WindowView::of(const MainWindowDriver& play)
{
    WindowView view;
    view.side = play.grid().rows();
    for (int row = 0; row < view.side; ++row) {
        for (int column = 0; column < view.side; ++column)
            view.cells.push_back(withoutProof(play.cell(row, column)));
    }
    view.marked = play.label("lblAtoms");
    view.atomsInGame = play.label("lblAtomsInGame");
    view.score = play.label("lblScore");
    view.best = play.label("lblBestScore");
    view.results = play.label("lblResults");
    return view;
}

Place WindowView::placeOf(CellPos pos) const
{
    if (pos.row < 0 || pos.column < 0 || pos.row > edge() || pos.column > edge())
        return Place::Outside;
    const bool rowOnEdge = pos.row == 0 || pos.row == edge();
    const bool columnOnEdge = pos.column == 0 || pos.column == edge();
    if (rowOnEdge && columnOnEdge)
        return Place::Corner;
    return rowOnEdge || columnOnEdge ? Place::Border : Place::Field;
}

const CellLook& WindowView::at(CellPos pos) const
{
    return cells.at(static_cast<std::size_t>(pos.row * side + pos.column));
}

std::vector<CellPos> WindowView::cellsOf(Place place) const
{
    std::vector<CellPos> found;
    for (std::int16_t row = 0; row < side; ++row) {
        for (std::int16_t column = 0; column < side; ++column) {
            if (placeOf({row, column}) == place)
                found.push_back({row, column});
        }
    }
    return found;
}

std::vector<CellPos> WindowView::marks() const
{
    std::vector<CellPos> found = cellsOf(Place::Field);
    std::erase_if(found, [this](CellPos pos) { return at(pos).text != "O"; });
    return found;
}

std::vector<std::string> auditView(const WindowView& view, const AtomLayout& atoms, bool finished)
{
    Problems problems;
    if (view.side < kMinGridSize + 2 || view.side > kMaxGridSize + 2
        || view.cells.size() != static_cast<std::size_t>(view.side * view.side))
        return {"the board has " + std::to_string(view.side) + " rows"};
    auditCells(problems, view, atoms, finished);
    auditLabelsOfTheBorder(problems, view);
    auditCounters(problems, view, atoms);
    return problems;
}

std::string at(CellPos pos)
{
    return std::string(1, '(') + std::to_string(pos.row) + "," + std::to_string(pos.column) + ")";
}

} // namespace orbalux::testing
