#include "frmAbout.h"

#include "PlatformFakes.h"
#include "TestDoubles.h"

#include <QCoreApplication>
#include <QImage>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

#include <set>

#include <gtest/gtest.h>

namespace orbalux {
namespace {

void pressKey(QWidget* widget, int key)
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

using testing::FakePlatform;
using testing::ScriptedMessenger;

class frmAboutTest : public ::testing::Test {
protected:
    // What Help > About does, short of waiting in the box's own event loop.
    QPointer<frmAbout> openAbout()
    {
        auto* box = new frmAbout(platform.services(), messenger, &owner);
        box->open();
        return box;
    }

    static void runDeferredDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    QWidget owner;
    FakePlatform platform;
    ScriptedMessenger messenger;
};

TEST_F(frmAboutTest, ShowsCaptionTitleAndVersion)
{
    const QPointer<frmAbout> box = openAbout();
    EXPECT_EQ(box->windowTitle(), "About Orbalux");
    EXPECT_EQ(box->lblTitle()->text(), "Orbalux");
    EXPECT_EQ(box->lblVersion()->text(), "Version: 1.1");
    EXPECT_EQ(box->cmdSysInfo()->text(), "&System Info...");
    EXPECT_FALSE(box->lblDescription()->text().isEmpty());
    EXPECT_FALSE(box->lblDisclaimer()->text().isEmpty());
    EXPECT_FALSE(box->picIcon()->pixmap().isNull());
}

TEST_F(frmAboutTest, EscapeDestroysTheBoxAndTheNextOpeningMakesAFreshOne)
{
    const QPointer<frmAbout> first = openAbout();
    pressKey(first.data(), Qt::Key_Escape);
    runDeferredDeletes();
    EXPECT_TRUE(first.isNull());

    const QPointer<frmAbout> second = openAbout();
    EXPECT_TRUE(second->isVisible());
    EXPECT_EQ(owner.findChildren<frmAbout*>().size(), 1);
}

TEST_F(frmAboutTest, OkAndEnterDestroyTheBox)
{
    const QPointer<frmAbout> clicked = openAbout();
    clicked->cmdOK()->click();
    runDeferredDeletes();
    EXPECT_TRUE(clicked.isNull());

    const QPointer<frmAbout> entered = openAbout();
    pressKey(entered.data(), Qt::Key_Return);
    runDeferredDeletes();
    EXPECT_TRUE(entered.isNull());
}

TEST_F(frmAboutTest, SystemInfoWithoutToolShowsMessageOnceAndKeepsTheBoxOpen)
{
    const QPointer<frmAbout> box = openAbout();
    box->cmdSysInfo()->click();
    runDeferredDeletes();
    ASSERT_FALSE(box.isNull());
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(messenger.shown, std::vector<std::string>{"System Information Is Unavailable At This Time"});
}

TEST_F(frmAboutTest, SystemInfoStartsTheToolTheRegistryNames)
{
    platform.registry.setString("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", "/usr/bin/infotool");
    platform.programs.installed = {"/usr/bin/infotool"};
    const QPointer<frmAbout> box = openAbout();
    box->cmdSysInfo()->click();
    ASSERT_EQ(platform.programs.started.size(), 1u);
    EXPECT_EQ(platform.programs.started[0].program, "/usr/bin/infotool");
    EXPECT_TRUE(messenger.shown.empty());
}


} // namespace
} // namespace orbalux
