#pragma once

#include "MainWindowFixture.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>

namespace orbalux::testing {

/** A started main window on fake platform services, whose help windows open from its menu. */
class HelpWindowFixture : public MainWindowFixture {
protected:
    /**
     * Chooses menu item and runs act on the modal window it opens; closes that window afterwards
     * if act left it open. True when act closed it; fails the test when nothing opened.
     */
    template <typename Window>
    bool whileOpen(const char* item, const std::function<void(Window&)>& act)
    {
        auto opened = std::make_shared<bool>(false);
        auto closedByAct = std::make_shared<bool>(false);
        QTimer::singleShot(0, &window, [act, opened, closedByAct] {
            QPointer<Window> shown = qobject_cast<Window*>(QApplication::activeModalWidget());
            if (!shown)
                return;
            *opened = true;
            act(*shown);
            *closedByAct = !shown || !shown->isVisible();
            if (shown && shown->isVisible())
                shown->done(QDialog::Rejected);
        });
        play.trigger(item);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(*opened) << item << " opened no window";
        return *closedByAct;
    }
};

} // namespace orbalux::testing
