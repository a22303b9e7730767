#pragma once

#include "Messenger.h"
#include "PlatformServices.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace orbalux {

class TwipScale;

/**
 * The About box: title, version, icon, a description, a notice and a button that starts the
 * system information tool. Made for one visit and destroyed when it closes.
 */
class frmAbout : public QDialog {
    Q_OBJECT

public:
    /** Creates the box hidden; platform's services and messenger must outlive it. */
    frmAbout(const TwipScale& twips, const PlatformServices& platform, Messenger& messenger, QWidget* parent = nullptr);

private slots:
    void cmdOK_Click();
    void cmdSysInfo_Click();

private:
    void createControls(const TwipScale& twips);
    void createLabels(const TwipScale& twips);
    void createEtchedLine(const TwipScale& twips);
    void fillIn();

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
