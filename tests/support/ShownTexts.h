#pragma once

#include "grid/CellGrid.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QStringList>
#include <QWidget>

namespace orbalux::testing {

/**
 * Every text a player reads or hears in window: its title, every caption, button and menu item,
 * what screen readers are told of each control, and each grid cell's text and description.
 */
inline QStringList shownTexts(const QWidget& window)
{
    QStringList texts{window.windowTitle(), window.accessibleName(), window.accessibleDescription()};
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        texts << widget->accessibleName() << widget->accessibleDescription() << widget->toolTip();
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            texts << label->text();
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            texts << button->text();
        if (const auto* menu = qobject_cast<const QMenu*>(widget))
            texts << menu->title();
        if (const auto* grid = qobject_cast<const CellGrid*>(widget)) {
            for (int row = 0; row < grid->rows(); ++row) {
                for (int column = 0; column < grid->columns(); ++column) {
                    if (const CellLook* look = grid->look(row, column))
                        texts << look->text << look->description;
                }
            }
        }
    }
    for (const QAction* action : window.findChildren<QAction*>())
        texts << action->text() << action->toolTip() << action->shortcut().toString(QKeySequence::NativeText);
    texts.removeAll(QString());
    return texts;
}

} // namespace orbalux::testing
