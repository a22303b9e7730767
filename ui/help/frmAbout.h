#pragma once

#include "common/Messenger.h"
#include "platform/PlatformServices.h"

#include <QDialog>

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
    void createEtchedLine(const TwipScale& twips);

    PlatformServices m_platform;
    Messenger& m_messenger;
};

} // namespace orbalux
