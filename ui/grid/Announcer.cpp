#include "grid/Announcer.h"

#include "grid/AnnouncerAccessible.h"

#include <QAccessible>
#include <QWidget>

namespace orbalux {

namespace {

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(&AnnouncerAccessible::create);
        return true;
    }();
    Q_UNUSED(installed);
}

void tell(QObject* object, QAccessible::Event change)
{
    QAccessibleEvent event(object, change);
    QAccessible::updateAccessibility(&event);
}

} // namespace

Announcer::Announcer(QWidget* window) : QObject(window)
{
    installAccessibility();
}

void Announcer::announce(const QString& text)
{
    m_text = text;
    say();
}

void Announcer::repeat()
{
    if (!m_text.isEmpty())
        say();
}

// Screen readers pass over a changed name or description, but read a notification the moment
// it appears; so the new text is named first and the notification then hides and shows again.
void Announcer::say()
{
    tell(this, QAccessible::NameChanged);
    tell(this, QAccessible::ObjectHide);
    tell(this, QAccessible::ObjectShow);
}

} // namespace orbalux
