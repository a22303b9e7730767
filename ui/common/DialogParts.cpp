#include "common/DialogParts.h"

#include "common/Twips.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace orbalux {

void setUpDialog(QDialog& dialog, const QString& title, const TwipScale& twips, const QSize& size, bool fixedSize)
{
    dialog.setWindowTitle(title);
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    if (fixedSize)
        flags |= Qt::MSWindowsFixedSizeDialogHint;
    dialog.setWindowFlags(flags);
    dialog.setFixedSize(twips(size.width()), twips(size.height()));
}

QLabel* addLabel(QWidget* parent, const TwipScale& twips, const char* name, const QString& text, const QRect& rect,
    Qt::Alignment alignment, bool wrap)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(wrap);
    label->setAlignment(alignment);
    twips.place(label, rect.x(), rect.y(), rect.width(), rect.height());
    return label;
}

QPushButton* addButton(QWidget* parent, const TwipScale& twips, const char* name, const QString& text, const QRect& rect)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    twips.place(button, rect.x(), rect.y(), rect.width(), rect.height());
    return button;
}

} // namespace orbalux
