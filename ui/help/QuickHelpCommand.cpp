#include "QuickHelpCommand.h"

#include "frmQuick.h"

namespace orbalux {

QuickHelpCommand::QuickHelpCommand(QWidget& owner)
    : m_owner(owner)
{
}

frmQuick& QuickHelpCommand::window()
{
    if (!m_window)
        m_window = new frmQuick(&m_owner);
    return *m_window;
}

void QuickHelpCommand::run()
{
    window().exec();
}

} // namespace orbalux
