#pragma once

#include "common/Messenger.h"

namespace orbalux::bench {

/** Answers every question with Yes and counts the messages it drops, so no box ever waits for a player. */
class YesMessenger : public Messenger {
public:
    void showMessage(const QString&) override { ++messages; }
    bool askYesNo(const QString&) override { return true; }

    long long messages = 0;
};

} // namespace orbalux::bench
