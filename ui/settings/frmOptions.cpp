#include "frmOptions.h"

#include "Twips.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace orbalux {

namespace {

constexpr int kStartAtomCount = 5;
constexpr int kStartGridSize = 8;

QScrollBar* makeBar(QWidget* parent, int minimum, int maximum, int value)
{
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setRange(minimum, maximum);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setValue(value);
    // The value, and with it the labels, follows the thumb only when it is let go.
    bar->setTracking(false);
    // Scroll bars invert their arrow keys by default, which would make Right shrink the grid.
    bar->setInvertedControls(false);
    // Scroll bars sit outside the tab chain by default; here they lead it and take the arrows.
    bar->setFocusPolicy(Qt::StrongFocus);
    return bar;
}

QLabel* makeLabel(QWidget* parent, const QString& text, Qt::Alignment alignment)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(alignment);
    return label;
}


QString sizeText(int gridSize)
{
    return QStringLiteral("%1 x %1").arg(gridSize);
}

} // namespace

frmOptions::frmOptions(GameState& state, QWidget* parent)
    : QDialog(parent), m_state(state)
{
    setWindowTitle(QStringLiteral("Orbalux Settings"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                   | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(m_twips(4680), m_twips(3810));
    createControls();
    placeControls();
    connectHandlers();

    m_state.SettingsChanged = false;
    hsAtoms_Change();
    hsGrid_Change();
    takeStartValues();
}

void frmOptions::reject()
{
    cmdCancel_Click();
}

// Created in tab order, which is also the order of the focus chain.
void frmOptions::createControls()
{
    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
    m_hsAtoms = makeBar(this, kMinAtomCount, kMaxAtomCount, kStartAtomCount);
    m_Label1 = makeLabel(this, QStringLiteral("Number of Atoms to Find"), centred);
    m_lblAtoms = makeLabel(this, QString(), Qt::AlignRight | Qt::AlignTop);
    m_lblAtomsText = makeLabel(this, QStringLiteral("Atoms"), Qt::AlignLeft | Qt::AlignTop);
    m_hsGrid = makeBar(this, kMinGridSize, kMaxGridSize, kMinGridSize);
    m_Label3 = makeLabel(this, QStringLiteral("Grid Size"), centred);
    m_lblSize = makeLabel(this, QString(), centred);
    m_cmdOK = new QPushButton(QStringLiteral("OK"), this);
    m_cmdOK->setDefault(true);
    m_cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cbNumbers = new QCheckBox(QStringLiteral("Show numbers on border"), this);
    m_cbNumbers->setChecked(m_state.ShowNumbers);
    m_cbTrace = new QCheckBox(QStringLiteral("Trace Shots"), this);
    m_cbTrace->setChecked(m_state.TraceShots);
}

void frmOptions::placeControls()
{
    m_twips.place(m_hsAtoms, 120, 480, 4335, 255);
    m_twips.place(m_Label1, 1200, 240, 2175, 255);
    m_twips.place(m_lblAtoms, 1800, 960, 255, 255);
    m_twips.place(m_lblAtomsText, 2280, 960, 735, 255);
    m_twips.place(m_hsGrid, 120, 2160, 4335, 255);
    m_twips.place(m_Label3, 1800, 1920, 975, 255);
    m_twips.place(m_lblSize, 1680, 2520, 1095, 255);
    m_twips.place(m_cmdOK, 3480, 2880, 975, 375);
    m_twips.place(m_cmdCancel, 3480, 3360, 975, 375);
    m_twips.place(m_cbNumbers, 120, 3000, 2535, 255);
    m_twips.place(m_cbTrace, 120, 3240, 1455, 255);
}

void frmOptions::connectHandlers()
{
    connect(m_hsAtoms, &QScrollBar::valueChanged, this, &frmOptions::hsAtoms_Change);
    connect(m_hsGrid, &QScrollBar::valueChanged, this, &frmOptions::hsGrid_Change);
    connect(m_cbNumbers, &QCheckBox::clicked, this, &frmOptions::cbNumbers_Click);
    connect(m_cbTrace, &QCheckBox::clicked, this, &frmOptions::cbTrace_Click);
    connect(m_cmdOK, &QPushButton::clicked, this, &frmOptions::cmdOK_Click);
    connect(m_cmdCancel, &QPushButton::clicked, this, &frmOptions::cmdCancel_Click);
}

// The bars are set as the player would set them, so the labels follow through their handlers.
void frmOptions::takeStartValues()
{
    m_hsAtoms->setValue(kStartAtomCount);
    m_hsGrid->setValue(kStartGridSize);
    setAtomCount(m_state, m_hsAtoms->value());
    setGridSize(m_state, m_hsGrid->value());
}

void frmOptions::hsAtoms_Change()
{
    const int atoms = m_hsAtoms->value();
    m_lblAtomsText->setText(atoms == 1 ? QStringLiteral("Atom") : QStringLiteral("Atoms"));
    m_lblAtoms->setText(QString::number(atoms));
}

void frmOptions::hsGrid_Change()
{
    m_lblSize->setText(sizeText(m_hsGrid->value()));
}

void frmOptions::cbNumbers_Click()
{
    m_state.ShowNumbers = m_cbNumbers->isChecked();
    // The box does not know how the running game was laid out, so every click counts.
    m_state.SettingsChanged = true;
}

void frmOptions::cbTrace_Click()
{
    m_state.TraceShots = m_cbTrace->isChecked();
}

void frmOptions::cmdOK_Click()
{
    if (m_hsAtoms->value() != m_state.AtomCount) {
        setAtomCount(m_state, m_hsAtoms->value());
        m_state.SettingsChanged = true;
    }
    if (m_hsGrid->value() != m_state.GridSize) {
        setGridSize(m_state, m_hsGrid->value());
        m_state.SettingsChanged = true;
    }
    accept();
}

void frmOptions::cmdCancel_Click()
{
    m_hsAtoms->setValue(m_state.AtomCount);
    m_hsGrid->setValue(m_state.GridSize);
    m_state.SettingsChanged = false;
    QDialog::reject();
}

} // namespace orbalux
