#include "frmAbout.h"

#include "AppIcon.h"
#include "DialogParts.h"
#include "StartSysInfo.h"
#include "Twips.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace orbalux {

namespace {

const QString kApplicationTitle = QStringLiteral("Orbalux");
const QString kDescription = QStringLiteral(
    "A game of deduction for one player.  Atoms hide in a square field: fire lasers in from the border, "
    "read what comes back, and mark where the atoms must be.  The fewer shots, the better the score.");
const QString kDisclaimer = QStringLiteral("Orbalux is free to play and to share, and it comes with no warranty.");


QFrame* makeLine(QWidget* parent, const QColor& colour)
{
    auto* line = new QFrame(parent);
    line->setObjectName(QStringLiteral("Line1"));
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, colour);
    line->setPalette(palette);
    return line;
}

} // namespace

frmAbout::frmAbout(const TwipScale& twips, const PlatformServices& platform, Messenger& messenger, QWidget* parent)
    : QDialog(parent), m_platform(platform), m_messenger(messenger)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setDialogFrame(*this, true);
    setFixedSize(twips(5730), twips(3555));
    createControls(twips);
    createLabels(twips);
    createEtchedLine(twips);
    fillIn();
    connect(m_cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(m_cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
}

// Created in tab order; Escape reaches OK through the dialog's own reject.
void frmAbout::createControls(const TwipScale& twips)
{
    m_cmdOK = new QPushButton(QStringLiteral("OK"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setDefault(true);
    twips.place(m_cmdOK, 4245, 2625, 1260, 345);
    m_picIcon = new QLabel(this);
    m_picIcon->setObjectName(QStringLiteral("picIcon"));
    m_picIcon->setPixmap(appIcon(32).pixmap(32));
    m_picIcon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    twips.place(m_picIcon, 240, 240, 540, 540);
    m_cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    m_cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    twips.place(m_cmdSysInfo, 4260, 3075, 1245, 345);
}

void frmAbout::createLabels(const TwipScale& twips)
{
    m_lblDescription = makeLabel(this, "lblDescription", kDescription);
    twips.place(m_lblDescription, 1050, 1125, 3885, 1170);
    m_lblDisclaimer = makeLabel(this, "lblDisclaimer", kDisclaimer);
    twips.place(m_lblDisclaimer, 255, 2625, 2910, 825);
    m_lblTitle = makeLabel(this, "lblTitle", QString());
    QFont titleFont = m_lblTitle->font();
    titleFont.setFamilies({QStringLiteral("MS Sans Serif"), titleFont.family()});
    titleFont.setPointSizeF(13.5);
    titleFont.setBold(true);
    m_lblTitle->setFont(titleFont);
    twips.place(m_lblTitle, 1050, 240, 3885, 480);
    m_lblVersion = makeLabel(this, "lblVersion", QStringLiteral("Version: " ORBALUX_VERSION));
    twips.place(m_lblVersion, 1080, 780, 3885, 225);
}

// A grey line over a white one reads as a groove cut across the box.
void frmAbout::createEtchedLine(const TwipScale& twips)
{
    QFrame* shadow = makeLine(this, QColor(0x80, 0x80, 0x80));
    shadow->setGeometry(twips(90), twips(2445), twips(5654 - 90), 1);
    QFrame* light = makeLine(this, QColor(0xFF, 0xFF, 0xFF));
    light->setGeometry(twips(105), twips(2460), twips(5654 - 105), 2);
}

void frmAbout::fillIn()
{
    setWindowTitle(QStringLiteral("About ") + kApplicationTitle);
    m_lblTitle->setText(kApplicationTitle);
}

void frmAbout::cmdOK_Click()
{
    close();
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo(m_platform, m_messenger);
}

} // namespace orbalux
