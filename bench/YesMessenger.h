#pragma once

#include "Messenger.h"

namespace orbalux::bench {

/** Answers every question with Yes and drops every message, so no box ever waits for a player. */
class YesMessenger : public Messenger {
public:
    void showMessage(const std::string&) override {}
    bool askYesNo(const std::string&) override { return true; }
};

} // namespace orbalux::bench
