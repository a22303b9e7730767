#include "help/frmQuick.h"

#include "common/DialogParts.h"
#include "common/ProgramTitle.h"
#include "common/Twips.h"
#include "grid/BoardLook.h"
#include "grid/CellGrid.h"
#include "grid/CellLook.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace orbalux {

namespace {

// The paragraphs fill boxes of a fixed size; frmQuick shrinks the font until the longest fits.
QString label1Text()
{
    return frmQuick::tr(
        "The object of the game is to figure out where the atoms are hidden.  You do this by clicking on the numbers "
        "around the grid and deducing the atoms locations from the information you get back.  The number you click on "
        "is the entry point for a laser.  The laser always enters the grid at a right angle.  ");
}

QString label2Text()
{
    return frmQuick::tr(
        "The laser always goes in a straight line until it runs directly into an atom (Hit), or comes to a cell "
        "diagonally adjacent to a cell with an atom in it.  In this latter case, the laser is bent 90 degrees away from "
        "the atom and continues in its new direction.  The following rules govern what the laser will do when shot into "
        "the grid.");
}

QString label3Text()
{
    //: H is the letter on the board, whatever the language.
    return frmQuick::tr(
        "1 The laser can be absorbed by an atom when it runs directly into it.  This result is shown to you as a Hit "
        "(H against a red background).  ");
}

QString label5Text()
{
    return frmQuick::tr(
        "2 The laser can come out somewhere else on the grid.  This result is shown to you as a deflection (lower case "
        "letter against a green background at both the entry and exit points).  ");
}

QString label6Text()
{
    //: R is the letter on the board, whatever the language.
    return frmQuick::tr(
        "3 The laser can come out where it went in.  This is shown as a Reflection (R against a yellow background).  ");
}

QString label7Text()
{
    return frmQuick::tr(
        "4 Finally, the laser can fail to make it into the grid because of an atom in an adjacent cell on the edge of "
        "the grid.  Like a reflection, this is shown as a Reflection (R against a yellow background).");
}

QString label4Text()
{
    //: "O" is the mark on the board, whatever the language; "Solved!" is the main window's button.
    return frmQuick::tr(
        "By clicking the cell on the grid where you think an atom is, an \"O\" will be placed on that spot.  If you "
        "change your mind about a marked cell, click it again to have the \"O\" removed.  When you think you have all "
        "of the atoms marked, click the \"Solved!\" button to see where if you are right.");
}

// Symbol and caption for each outcome, in the colours the board gives them.
std::vector<CellLook> legendLooks()
{
    const auto caption = [](const QString& text) {
        return CellLook{text, toolTipColour(), false, SegmentKind::None, QString()};
    };
    return {
        //: What a screen reader says of the legend's H.
        {QStringLiteral("H"), shotColour(Outcome::Hit), true, SegmentKind::None, frmQuick::tr("hit")},
        //: Legend caption beside H, in a cell 59 pixels wide.
        caption(frmQuick::tr("Hit")),
        //: What a screen reader says of the legend's R.
        {QStringLiteral("R"), shotColour(Outcome::Reflection), true, SegmentKind::None, frmQuick::tr("reflection")},
        //: Legend caption beside R, in a cell 59 pixels wide.
        caption(frmQuick::tr("Reflection")),
        //: What a screen reader says of the legend's letter.
        {QStringLiteral("a"), shotColour(Outcome::Deflection), true, SegmentKind::None, frmQuick::tr("deflection")},
        //: Legend caption beside the letter, in a cell 133 pixels wide.
        caption(frmQuick::tr("Deflection entry and exit")),
    };
}

constexpr int kLabelLeft = 120;
constexpr double kSmallestPointSize = 6.0;
constexpr int kLabelWidth = 6375;

bool fits(const QLabel& label, const QFont& font)
{
    const QRect room(0, 0, label.width(), label.height());
    const QRect needed = QFontMetrics(font).boundingRect(room, Qt::TextWordWrap, label.text());
    return needed.height() <= room.height();
}

} // namespace

frmQuick::frmQuick(const TwipScale& twips, QWidget* parent)
    : QDialog(parent)
{
    //: Title of the quick help window; %1 is the program's name.
    setUpDialog(*this, tr("%1 Quick Help").arg(programTitle()), twips, {6555, 6405}, false);
    createControls(twips);
    fitTexts();
    orderFocus();
    fillLegend();
    sizeLegend(twips);
    connect(m_cmdOK, &QPushButton::clicked, this, &frmQuick::cmdOK_Click);
}

// The window has no cancel button, so Escape leaves it open; Enter, OK and the frame close it.
void frmQuick::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmQuick::addParagraph(const TwipScale& twips, const char* name, const QString& text, int top, int height)
{
    addLabel(this, twips, name, text, {kLabelLeft, top, kLabelWidth, height});
}

void frmQuick::createControls(const TwipScale& twips)
{
    addParagraph(twips, "Label1", label1Text(), 120, 855);
    addParagraph(twips, "Label2", label2Text(), 960, 855);
    m_msfLegend = new CellGrid(this);
    m_msfLegend->setObjectName(QStringLiteral("msfLegend"));
    //: What a screen reader calls the table of symbols.
    m_msfLegend->setAccessibleName(tr("Legend"));
    twips.place(m_msfLegend, 600, 1920, 5175, 495);
    addParagraph(twips, "Label3", label3Text(), 2520, 375);
    addParagraph(twips, "Label5", label5Text(), 3000, 495);
    addParagraph(twips, "Label6", label6Text(), 3480, 375);
    addParagraph(twips, "Label7", label7Text(), 3960, 615);
    addParagraph(twips, "Label4", label4Text(), 4680, 855);
    //: Button, 81 pixels wide.
    m_cmdOK = addButton(this, twips, "cmdOK", tr("OK"), {5280, 5880, 1215, 375});
    m_cmdOK->setDefault(true);
}

// The boxes were drawn for a narrower font than most desktops have, so the paragraphs shrink
// together, half a point at a time, until each fits in its box instead of running into the next.
void frmQuick::fitTexts()
{
    const QList<QLabel*> labels = findChildren<QLabel*>();
    QFont font = this->font();
    const auto allFit = [&] {
        return std::all_of(labels.begin(), labels.end(), [&](const QLabel* label) { return fits(*label, font); });
    };
    while (!allFit() && font.pointSizeF() > kSmallestPointSize)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    for (QLabel* label : labels)
        label->setFont(font);
}

// The legend comes first in the focus chain, so the window opens on it and Enter still means OK.
void frmQuick::orderFocus()
{
    m_msfLegend->setFocusPolicy(Qt::StrongFocus);
    QWidget::setTabOrder(m_msfLegend, m_cmdOK);
}

void frmQuick::fillLegend()
{
    std::vector<CellLook> looks = legendLooks();
    const int columns = static_cast<int>(looks.size());
    m_msfLegend->setCells(1, columns, std::move(looks));
}

// The two short captions keep the grid's default width, chosen here so that together they take
// what the symbols, the long caption and the grid lines leave of the control's width.
void frmQuick::sizeLegend(const TwipScale& twips)
{
    const int lines = m_msfLegend->columns() + 1;
    const int symbol = twips(400);
    const int longCaption = twips(2000);
    const int caption = (m_msfLegend->width() - 3 * symbol - longCaption - lines) / 2;
    m_msfLegend->setRowHeight(twips(400));
    m_msfLegend->setColumnWidth(caption);
    for (const int column : {0, 2, 4})
        m_msfLegend->setColumnWidth(column, symbol);
    m_msfLegend->setColumnWidth(5, longCaption);
}

void frmQuick::cmdOK_Click()
{
    accept();
}

} // namespace orbalux
