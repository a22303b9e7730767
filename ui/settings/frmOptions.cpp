#include "frmOptions.h"

#include "DialogParts.h"
#include "Twips.h"

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

template <typename Control>
Control* makeControl(QWidget* parent, const char* name, const QString& text)
{
    auto* control = new Control(text, parent);
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

} // namespace

frmOptions::frmOptions(const TwipScale& twips, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Orbalux Settings"));
    setDialogFrame(*this, true);
    setFixedSize(twips(4680), twips(3810));
    createControls();
    placeControls(twips);
    connectHandlers();
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
void frmOptions::createControls()
{
    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
    m_hsAtoms = makeBar(this, "hsAtoms", kMinAtomCount, kMaxAtomCount);
    m_Label1 = makeLabel(this, "Label1", QStringLiteral("Number of Atoms to Find"), centred, false);
    m_lblAtoms = makeLabel(this, "lblAtoms", QString(), Qt::AlignRight | Qt::AlignTop, false);
    m_lblAtomsText = makeLabel(this, "lblAtomsText", QStringLiteral("Atoms"), Qt::AlignLeft | Qt::AlignTop, false);
    m_hsGrid = makeBar(this, "hsGrid", kMinGridSize, kMaxGridSize);
    m_Label3 = makeLabel(this, "Label3", QStringLiteral("Grid Size"), centred, false);
    m_lblSize = makeLabel(this, "lblSize", QString(), centred, false);
    m_cmdOK = makeControl<QPushButton>(this, "cmdOK", QStringLiteral("OK"));
    m_cmdOK->setDefault(true);
    m_cmdCancel = makeControl<QPushButton>(this, "cmdCancel", QStringLiteral("Cancel"));
    m_cbNumbers = makeControl<QCheckBox>(this, "cbNumbers", QStringLiteral("Show numbers on border"));
    m_cbTrace = makeControl<QCheckBox>(this, "cbTrace", QStringLiteral("Trace Shots"));
}

void frmOptions::placeControls(const TwipScale& twips)
{
    twips.place(m_hsAtoms, 120, 480, 4335, 255);
    twips.place(m_Label1, 1200, 240, 2175, 255);
    twips.place(m_lblAtoms, 1800, 960, 255, 255);
    twips.place(m_lblAtomsText, 2280, 960, 735, 255);
    twips.place(m_hsGrid, 120, 2160, 4335, 255);
    twips.place(m_Label3, 1800, 1920, 975, 255);
    twips.place(m_lblSize, 1680, 2520, 1095, 255);
    twips.place(m_cmdOK, 3480, 2880, 975, 375);
    twips.place(m_cmdCancel, 3480, 3360, 975, 375);
    twips.place(m_cbNumbers, 120, 3000, 2535, 255);
    twips.place(m_cbTrace, 120, 3240, 1455, 255);
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
    m_lblAtomsText->setText(atoms == 1 ? QStringLiteral("Atom") : QStringLiteral("Atoms"));
    m_lblAtoms->setText(QString::number(atoms));
}

void frmOptions::hsGrid_Change()
{
    m_lblSize->setText(QStringLiteral("%1 x %1").arg(m_hsGrid->value()));
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
