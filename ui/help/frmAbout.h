#pragma once

#include "Messenger.h"
#include "PlatformServices.h"

#include "Twips.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace orbalux {

/**
 * The About box: title, version, icon, a description, a notice and a button that starts the
 * system information tool. Made for one visit and destroyed when it closes.
 */
class frmAbout : public QDialog {
    Q_OBJECT

public:
    /** Creates the box hidden; platform's services and messenger must outlive it. */
    frmAbout(const PlatformServices& platform, Messenger& messenger, QWidget* parent = nullptr);

    /** The box's own controls, named as on the form; they live as long as the box. */
    QPushButton* cmdOK() const { return m_cmdOK; }
    QPushButton* cmdSysInfo() const { return m_cmdSysInfo; }
    QLabel* picIcon() const { return m_picIcon; }
    QLabel* lblTitle() const { return m_lblTitle; }
    QLabel* lblVersion() const { return m_lblVersion; }
    QLabel* lblDescription() const { return m_lblDescription; }
    QLabel* lblDisclaimer() const { return m_lblDisclaimer; }

private:
    TwipScale m_twips;
    void createControls();
    void createLabels();
    void createEtchedLine();
    void fillIn();

    void cmdOK_Click();
    void cmdSysInfo_Click();

    PlatformServices m_platform;
    Messenger& m_messenger;

    QPushButton* m_cmdOK = nullptr;
    QLabel* m_picIcon = nullptr;
    QPushButton* m_cmdSysInfo = nullptr;
    QLabel* m_lblDescription = nullptr;
    QLabel* m_lblDisclaimer = nullptr;
    QLabel* m_lblTitle = nullptr;
    QLabel* m_lblVersion = nullptr;
};

} // namespace orbalux
