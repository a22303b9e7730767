#pragma once

#include "common/Messenger.h"

#include <deque>
#include <string>
#include <vector>

namespace orbalux::testing {

/** Records every message and answers questions from a script (Yes when it runs dry). */
class ScriptedMessenger : public Messenger {
public:
    void showMessage(const QString& text) override { shown.push_back(text.toStdString()); }
    bool askYesNo(const QString& text) override
    {
        asked.push_back(text.toStdString());
        if (answers.empty())
            return true;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<std::string> shown;
    std::vector<std::string> asked;
    std::deque<bool> answers;
};

} // namespace orbalux::testing
