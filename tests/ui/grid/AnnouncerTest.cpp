#include "grid/Announcer.h"

#include <QAccessible>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

namespace orbalux {
namespace {

// What screen readers were told about announcers, with the text said at that moment.
struct Told {
    QAccessible::Event change;
    QString text;
    friend bool operator==(const Told&, const Told&) = default;
};

std::vector<Told>& told()
{
    static std::vector<Told> events;
    return events;
}

void record(QAccessibleEvent* event)
{
    if (qobject_cast<Announcer*>(event->object()))
        told().push_back({event->type(), event->accessibleInterface()->text(QAccessible::Name)});
}

class AnnouncerTest : public ::testing::Test {
protected:
    // Runs only where Qt's accessibility is live (with-atspi.sh); the handler takes the events
    // that would go to the screen reader.
    void SetUp() override
    {
        ASSERT_TRUE(QTest::qWaitFor([] { return QAccessible::isActive(); }, 10000))
            << "accessibility is off: run under with-atspi.sh";
        m_previous = QAccessible::installUpdateHandler(&record);
        told().clear();
    }
    void TearDown() override { QAccessible::installUpdateHandler(m_previous); }

    QWidget m_window;
    Announcer m_announcer{&m_window};
    QAccessible::UpdateHandler m_previous = nullptr;
};

TEST_F(AnnouncerTest, AnAnnouncementIsANotificationThatReappearsWithTheNewText)
{
    const QString said = QStringLiteral("Hit: in at top 2. Score 1.");
    m_announcer.announce(said);
    EXPECT_EQ(told(), (std::vector<Told>{{QAccessible::NameChanged, said},
                                         {QAccessible::ObjectHide, said},
                                         {QAccessible::ObjectShow, said}}));

    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(&m_announcer);
    ASSERT_NE(spoken, nullptr);
    EXPECT_EQ(spoken->role(), QAccessible::Notification);
    EXPECT_EQ(spoken->parent(), QAccessible::queryAccessibleInterface(&m_window));
    EXPECT_EQ(spoken->childCount(), 0);
    EXPECT_TRUE(spoken->rect().isEmpty());
}

TEST_F(AnnouncerTest, RepeatSaysTheLastAnnouncementAgainAndNothingBeforeTheFirst)
{
    m_announcer.repeat();
    EXPECT_TRUE(told().empty());

    m_announcer.announce(QStringLiteral("first"));
    m_announcer.announce(QStringLiteral("second"));
    told().clear();
    m_announcer.repeat();
    ASSERT_EQ(told().size(), 3u);
    EXPECT_EQ(told().back(), (Told{QAccessible::ObjectShow, QStringLiteral("second")}));
}

} // namespace
} // namespace orbalux
