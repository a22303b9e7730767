#pragma once

#include <QPointer>

class QWidget;

namespace orbalux {

class frmQuick;

/** Help > Quick Help: one quick help window for the whole run, made when first wanted. */
class QuickHelpCommand {
public:
    /** owner owns the window once it is made and must outlive this command. */
    explicit QuickHelpCommand(QWidget& owner);

    /** The window, created hidden on the first call and the same one ever after. */
    frmQuick& window();

    /** Shows the window modally and returns once it is hidden again. */
    void run();

private:
    QWidget& m_owner;
    QPointer<frmQuick> m_window;
};

} // namespace orbalux
