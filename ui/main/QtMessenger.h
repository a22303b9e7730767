#pragma once

#include "common/Messenger.h"

namespace orbalux {

/** The player's message boxes: modal, captioned "Orbalux", without an icon. */
class QtMessenger : public Messenger {
public:
    void showMessage(const QString& text) override;
    bool askYesNo(const QString& text) override;
};

} // namespace orbalux
