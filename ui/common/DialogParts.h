#pragma once

#include <Qt>

class QDialog;
class QLabel;
class QString;
class QWidget;

namespace orbalux {

/** Gives dialog a title bar with a close box and nothing else; fixedSize also tells the window
 *  system that it cannot be resized. */
void setDialogFrame(QDialog& dialog, bool fixedSize);

/** A plain-text label on parent named name (may be empty), wrapped when wrap is on. */
QLabel* makeLabel(QWidget* parent, const char* name, const QString& text,
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop, bool wrap = true);

} // namespace orbalux
