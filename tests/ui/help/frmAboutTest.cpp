#include "help/frmAbout.h"

#include "common/AppIcon.h"
#include "platform/StartSysInfo.h"
#include "HelpWindowFixture.h"
#include "WindowLayout.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace orbalux {
namespace {

QString textOf(const QWidget& box, const char* name)
{
    if (const auto* label = box.findChild<QLabel*>(QString::fromLatin1(name)))
        return label->text();
    if (const auto* button = box.findChild<QPushButton*>(QString::fromLatin1(name)))
        return button->text();
    return QStringLiteral("<missing>");
}

QPushButton* button(const QWidget& box, const char* name)
{
    return box.findChild<QPushButton*>(QString::fromLatin1(name));
}

class frmAboutTest : public testing::HelpWindowFixture {
protected:
    bool visitAbout(const std::function<void(frmAbout&)>& act) { return whileOpen<frmAbout>("mnAbout", act); }
};

TEST_F(frmAboutTest, ShowsTheTitleTheVersionBuiltAndTheIcon)
{
    visitAbout([](frmAbout& box) {
        EXPECT_EQ(box.windowTitle(), "About Orbalux");
        EXPECT_EQ(textOf(box, "lblTitle"), "Orbalux");
        EXPECT_EQ(textOf(box, "lblVersion"), "Version: " ORBALUX_VERSION);
        EXPECT_EQ(textOf(box, "cmdOK"), "OK");
        EXPECT_EQ(textOf(box, "cmdSysInfo"), "&System Info...");
        EXPECT_FALSE(textOf(box, "lblDescription").isEmpty());
        EXPECT_FALSE(textOf(box, "lblDisclaimer").isEmpty());
        const auto* icon = box.findChild<QLabel*>(QStringLiteral("picIcon"));
        ASSERT_NE(icon, nullptr);
        EXPECT_EQ(icon->pixmap().toImage(), appIcon(32).pixmap(32).toImage());
    });
}

TEST_F(frmAboutTest, NothingIsClippedCoveredOrOutsideTheBox)
{
    visitAbout([](frmAbout& box) {
        const testing::WindowLayout layout(box);
        EXPECT_EQ(layout.clipped(), std::vector<std::string>{});
        EXPECT_EQ(layout.collisions(), std::vector<std::string>{});
        EXPECT_EQ(layout.outside(), std::vector<std::string>{});
        EXPECT_EQ(box.minimumSize(), box.maximumSize());
        EXPECT_FALSE(box.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    });
}

TEST_F(frmAboutTest, OkEnterAndEscapeEachCloseTheBoxForGood)
{
    const std::vector<std::pair<const char*, std::function<void(frmAbout&)>>> ways = {
        {"OK", [](frmAbout& box) { QTest::mouseClick(button(box, "cmdOK"), Qt::LeftButton); }},
        {"Enter", [](frmAbout& box) { QTest::keyClick(&box, Qt::Key_Return); }},
        {"Escape", [](frmAbout& box) { QTest::keyClick(&box, Qt::Key_Escape); }},
    };
    for (const auto& [way, act] : ways) {
        EXPECT_TRUE(visitAbout(act)) << way;
        EXPECT_TRUE(window.findChildren<frmAbout*>().isEmpty()) << way;
    }
}

TEST_F(frmAboutTest, SystemInfoWithoutAToolSaysSoOnceAndKeepsTheBoxOpen)
{
    const bool closed = visitAbout([](frmAbout& box) { QTest::mouseClick(button(box, "cmdSysInfo"), Qt::LeftButton); });
    EXPECT_FALSE(closed);
    EXPECT_EQ(messenger.shown, std::vector<std::string>{"System Information Is Unavailable At This Time"});
}

TEST_F(frmAboutTest, SystemInfoStartsTheToolThePlatformFinds)
{
    platform.sysInfo.found = "/usr/bin/infotool";
    platform.programs.installed = {"/usr/bin/infotool"};
    visitAbout([](frmAbout& box) { QTest::mouseClick(button(box, "cmdSysInfo"), Qt::LeftButton); });
    ASSERT_EQ(platform.programs.started.size(), 1u);
    EXPECT_EQ(platform.programs.started[0].program, "/usr/bin/infotool");
    EXPECT_TRUE(messenger.shown.empty());
}

} // namespace
} // namespace orbalux
