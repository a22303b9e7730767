#pragma once

#include <QAccessibleInterface>

namespace orbalux {

/** An accessible object with no children of its own: a grid cell, the announcer. */
template <typename Base>
class ChildlessAccessible : public Base {
public:
    using Base::Base;

    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
};

} // namespace orbalux
