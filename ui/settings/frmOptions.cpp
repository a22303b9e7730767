#include "settings/frmOptions.h"

#include "common/DialogParts.h"
#include "common/ProgramTitle.h"
#include "common/Twips.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace orbalux {

namespace {

QScrollBar* makeBar(QWidget* parent, const char* name, int minimum, int maximum)
{
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setRange(minimum, maximum);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    // The value, and with it the labels, follows the thumb only when it is let go.
    bar->setTracking(false);
    // Scroll bars invert their arrow keys by default, which would make Right shrink the grid.
    bar->setInvertedControls(false);
    // Scroll bars sit outside the tab chain by default; here they lead it and take the arrows.
    bar->setFocusPolicy(Qt::StrongFocus);
    return bar;
}

} // namespace

frmOptions::frmOptions(const TwipScale& twips, QWidget* parent)
    : QDialog(parent)
{
    //: Title of the settings dialog; %1 is the program's name.
    setUpDialog(*this, tr("%1 Settings").arg(programTitle()), twips, {4680, 3810}, true);
    createControls(twips);
    showSettings(GameSettings{});
}

SettingsVisit frmOptions::visit(const GameSettings& current)
{
    m_visit = {current, false, false};
    showSettings(current);
    exec();
    return m_visit;
}

void frmOptions::reject()
{
    cmdCancel_Click();
}

// Created in tab order, which is also the order of the focus chain.
void frmOptions::createControls(const TwipScale& twips)
{
    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
    m_hsAtoms = makeBar(this, "hsAtoms", kMinAtomCount, kMaxAtomCount);
    twips.place(m_hsAtoms, 120, 480, 4335, 255);
    connect(m_hsAtoms, &QScrollBar::valueChanged, this, &frmOptions::hsAtoms_Change);
    //: Caption over the atoms' scroll bar, 145 pixels wide.
    addLabel(this, twips, "Label1", tr("Number of Atoms to Find"), {1200, 240, 2175, 255}, centred, false);
    m_lblAtoms = addLabel(this, twips, "lblAtoms", QString(), {1800, 960, 255, 255}, Qt::AlignRight | Qt::AlignTop, false);
    m_lblAtomsText = addLabel(this, twips, "lblAtomsText", QString(), {2280, 960, 735, 255}, Qt::AlignLeft | Qt::AlignTop, false);
    m_hsGrid = makeBar(this, "hsGrid", kMinGridSize, kMaxGridSize);
    twips.place(m_hsGrid, 120, 2160, 4335, 255);
    connect(m_hsGrid, &QScrollBar::valueChanged, this, &frmOptions::hsGrid_Change);
    //: Caption over the grid size's scroll bar, 65 pixels wide.
    addLabel(this, twips, "Label3", tr("Grid Size"), {1800, 1920, 975, 255}, centred, false);
    m_lblSize = addLabel(this, twips, "lblSize", QString(), {1680, 2520, 1095, 255}, centred, false);
    createButtons(twips);
}

void frmOptions::createButtons(const TwipScale& twips)
{
    //: Button, 65 pixels wide.
    QPushButton* cmdOK = addButton(this, twips, "cmdOK", tr("OK"), {3480, 2880, 975, 375});
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmOptions::cmdOK_Click);
    //: Button, 65 pixels wide.
    QPushButton* cmdCancel = addButton(this, twips, "cmdCancel", tr("Cancel"), {3480, 3360, 975, 375});
    connect(cmdCancel, &QPushButton::clicked, this, &frmOptions::cmdCancel_Click);
    //: Check box, 169 pixels wide with its box.
    m_cbNumbers = new QCheckBox(tr("Show numbers on border"), this);
    m_cbNumbers->setObjectName(QStringLiteral("cbNumbers"));
    twips.place(m_cbNumbers, 120, 3000, 2535, 255);
    connect(m_cbNumbers, &QCheckBox::clicked, this, &frmOptions::cbNumbers_Click);
    //: Check box: draws each laser's path on the field; 97 pixels wide with its box.
    m_cbTrace = new QCheckBox(tr("Trace Shots"), this);
    m_cbTrace->setObjectName(QStringLiteral("cbTrace"));
    twips.place(m_cbTrace, 120, 3240, 1455, 255);
    connect(m_cbTrace, &QCheckBox::clicked, this, &frmOptions::cbTrace_Click);
}

// The bars are set as the player would set them, so the labels follow through their handlers.
void frmOptions::showSettings(const GameSettings& settings)
{
    m_hsAtoms->setValue(settings.AtomCount);
    m_hsGrid->setValue(settings.GridSize);
    hsAtoms_Change();
    hsGrid_Change();
    m_cbNumbers->setChecked(settings.ShowNumbers);
    m_cbTrace->setChecked(settings.TraceShots);
}

void frmOptions::hsAtoms_Change()
{
    const int atoms = m_hsAtoms->value();
    //: After the number of atoms chosen, 49 pixels wide.
    m_lblAtomsText->setText(atoms == 1 ? tr("Atom") : tr("Atoms"));
    m_lblAtoms->setText(QString::number(atoms));
}

void frmOptions::hsGrid_Change()
{
    //: The grid size chosen: cells a side by cells a side, 73 pixels wide.
    m_lblSize->setText(tr("%1 x %1").arg(m_hsGrid->value()));
}

void frmOptions::cbNumbers_Click()
{
    m_visit.settings.ShowNumbers = m_cbNumbers->isChecked();
    // The box does not know how the running game was laid out, so every click counts.
    m_visit.changed = true;
}

void frmOptions::cbTrace_Click()
{
    m_visit.settings.TraceShots = m_cbTrace->isChecked();
}

void frmOptions::cmdOK_Click()
{
    GameSettings& settings = m_visit.settings;
    if (m_hsAtoms->value() != settings.AtomCount || m_hsGrid->value() != settings.GridSize)
        m_visit.changed = true;
    settings = settings.withAtomCount(m_hsAtoms->value()).withGridSize(m_hsGrid->value());
    m_visit.accepted = true;
    accept();
}

void frmOptions::cmdCancel_Click()
{
    m_hsAtoms->setValue(m_visit.settings.AtomCount);
    m_hsGrid->setValue(m_visit.settings.GridSize);
    m_visit.accepted = false;
    QDialog::reject();
}

} // namespace orbalux
