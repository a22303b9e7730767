#include "help/frmAbout.h"

#include "common/AppIcon.h"
#include "common/DialogParts.h"
#include "common/PlayerWords.h"
#include "common/ProgramTitle.h"
#include "common/Twips.h"
#include "platform/StartSysInfo.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace orbalux {

namespace {

QString description()
{
    return frmAbout::tr(
        "A game of deduction for one player.  Atoms hide in a square field: fire lasers in from the border, "
        "read what comes back, and mark where the atoms must be.  The fewer shots, the better the score.");
}

QString disclaimer()
{
    //: %1 is the program's name.
    return frmAbout::tr("%1 is free to play and to share, and it comes with no warranty.").arg(programTitle());
}

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
    //: Title of the About box; %1 is the program's name.
    setUpDialog(*this, tr("About %1").arg(programTitle()), twips, {5730, 3555}, true);
    createControls(twips);
    createEtchedLine(twips);
}

// Created in tab order; Escape reaches OK through the dialog's own reject.
void frmAbout::createControls(const TwipScale& twips)
{
    //: Button, 84 pixels wide.
    QPushButton* cmdOK = addButton(this, twips, "cmdOK", tr("OK"), {4245, 2625, 1260, 345});
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    QLabel* picIcon = addLabel(this, twips, "picIcon", QString(), {240, 240, 540, 540});
    picIcon->setPixmap(appIcon(32).pixmap(32));
    //: Button, 83 pixels wide: starts the system's information tool.
    QPushButton* cmdSysInfo =
        addButton(this, twips, "cmdSysInfo", tr("&System Info..."), {4260, 3075, 1245, 345});
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
    addLabel(this, twips, "lblDescription", description(), {1050, 1125, 3885, 1170});
    addLabel(this, twips, "lblDisclaimer", disclaimer(), {255, 2625, 2910, 825});
    QLabel* lblTitle = addLabel(this, twips, "lblTitle", programTitle(), {1050, 240, 3885, 480});
    QFont titleFont = lblTitle->font();
    titleFont.setFamilies({QStringLiteral("MS Sans Serif"), titleFont.family()});
    titleFont.setPointSizeF(13.5);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    //: %1 is the version number.
    addLabel(this, twips, "lblVersion", tr("Version: %1").arg(QStringLiteral(ORBALUX_VERSION)), {1080, 780, 3885, 225});
}

// A grey line over a white one reads as a groove cut across the box.
void frmAbout::createEtchedLine(const TwipScale& twips)
{
    QFrame* shadow = makeLine(this, QColor(0x80, 0x80, 0x80));
    shadow->setGeometry(twips(90), twips(2445), twips(5654 - 90), 1);
    QFrame* light = makeLine(this, QColor(0xFF, 0xFF, 0xFF));
    light->setGeometry(twips(105), twips(2460), twips(5654 - 105), 2);
}

void frmAbout::cmdOK_Click()
{
    close();
}

void frmAbout::cmdSysInfo_Click()
{
    if (!StartSysInfo(m_platform))
        m_messenger.showMessage(PlayerWords::sysInfoUnavailable());
}

} // namespace orbalux
