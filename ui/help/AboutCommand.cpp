#include "AboutCommand.h"

#include "frmAbout.h"

namespace orbalux {

void showAbout(const PlatformServices& platform, Messenger& messenger, QWidget& owner)
{
    // exec() deletes a box that deletes itself on closing once its loop has ended.
    auto* box = new frmAbout(platform, messenger, &owner);
    box->exec();
}

} // namespace orbalux
