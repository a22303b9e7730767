#pragma once

#include <QString>

namespace orbalux {

/** The player's modal message boxes, captioned with the game's title and without an icon. */
class Messenger {
public:
    virtual ~Messenger() = default;
    /** Shows text with an OK button and returns when it is dismissed. */
    virtual void showMessage(const QString& text) = 0;
    /** Asks text with Yes and No, Yes the default; true when the answer is Yes. */
    virtual bool askYesNo(const QString& text) = 0;
};

} // namespace orbalux
