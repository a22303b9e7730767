#pragma once

#include "common/Messenger.h"

namespace orbalux {

/** The player's message boxes: modal, captioned "Orbalux", without an icon. */
class QtMessenger : public Messenger {
public:
    void showMessage(const std::string& text) override;
    bool askYesNo(const std::string& text) override;
};

} // namespace orbalux
