#include "grid/AnnouncerAccessible.h"

#include "grid/Announcer.h"

#include <QWidget>
#include <QWindow>

namespace orbalux {

AnnouncerAccessible::AnnouncerAccessible(Announcer* announcer) : ChildlessAccessible(announcer)
{
}

QAccessibleInterface* AnnouncerAccessible::create(const QString& className, QObject* object)
{
    if (className != QLatin1String(Announcer::staticMetaObject.className()))
        return nullptr;
    auto* announcer = qobject_cast<Announcer*>(object);
    return announcer ? new AnnouncerAccessible(announcer) : nullptr;
}

Announcer* AnnouncerAccessible::announcer() const
{
    return static_cast<Announcer*>(object());
}

QWindow* AnnouncerAccessible::window() const
{
    const auto* owner = qobject_cast<QWidget*>(announcer()->parent());
    return owner ? owner->window()->windowHandle() : nullptr;
}

QAccessibleInterface* AnnouncerAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(announcer()->parent());
}

QString AnnouncerAccessible::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? announcer()->text() : QString();
}

QAccessible::Role AnnouncerAccessible::role() const
{
    return QAccessible::Notification;
}

QAccessible::State AnnouncerAccessible::state() const
{
    return {};
}

} // namespace orbalux
