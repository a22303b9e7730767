#pragma once

#include <Qt>

class QDialog;
class QLabel;
class QPushButton;
class QRect;
class QSize;
class QString;
class QWidget;

namespace orbalux {

class TwipScale;

/**
 * Titles dialog and gives it its design size and a title bar with a close box and nothing
 * else; fixedSize also tells the window system that it cannot be resized.
 */
void setUpDialog(QDialog& dialog, const QString& title, const TwipScale& twips, const QSize& size, bool fixedSize);

/** A plain-text label on parent named name (may be empty) at rect, in twips. */
QLabel* addLabel(QWidget* parent, const TwipScale& twips, const char* name, const QString& text, const QRect& rect,
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop, bool wrap = true);

/** A push button on parent named name at rect, in twips. */
QPushButton* addButton(QWidget* parent, const TwipScale& twips, const char* name, const QString& text, const QRect& rect);

} // namespace orbalux
