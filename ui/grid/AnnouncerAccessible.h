#pragma once

#include "grid/ChildlessAccessible.h"

#include <QAccessibleObject>

namespace orbalux {

class Announcer;

/**
 * An Announcer for screen readers: a notification named by the last announcement, held by the
 * announcer's window but taking no room on it.
 */
class AnnouncerAccessible : public ChildlessAccessible<QAccessibleObject> {
public:
    explicit AnnouncerAccessible(Announcer* announcer);

    /** The factory for QAccessible::installFactory: an interface for every Announcer, else nullptr. */
    static QAccessibleInterface* create(const QString& className, QObject* object);

    // No children and no place on screen; its window's accessible object is its parent.
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

private:
    Announcer* announcer() const;
};

} // namespace orbalux
