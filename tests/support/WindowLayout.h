#pragma once

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

#include <string>
#include <vector>

namespace orbalux::testing {

/**
 * What a player sees of a window's controls, for tests that check a layout by its properties
 * rather than by a table of positions: every text fits its control, every control lies inside
 * the window, and nothing the player reads or clicks is covered by something else.
 */
class WindowLayout {
public:
    explicit WindowLayout(const QWidget& window) : m_window(window)
    {
        for (QWidget* child : window.findChildren<QWidget*>()) {
            if (child->isVisibleTo(&window) && child->parentWidget() == &window)
                m_children.push_back(child);
        }
    }

    /** Controls whose text or picture needs more room than the control has. */
    std::vector<std::string> clipped() const
    {
        std::vector<std::string> found;
        for (const QWidget* child : m_children) {
            if (!fits(*child))
                found.push_back(nameOf(*child));
        }
        return found;
    }

    /** Controls that reach past the window's edges. */
    std::vector<std::string> outside() const
    {
        std::vector<std::string> found;
        for (const QWidget* child : m_children) {
            if (!m_window.rect().contains(child->geometry()))
                found.push_back(nameOf(*child));
        }
        return found;
    }

    /** Pairs of controls where a text or a clickable control runs into another one. */
    std::vector<std::string> collisions() const
    {
        std::vector<std::string> found;
        for (std::size_t i = 0; i < m_children.size(); ++i) {
            for (std::size_t j = i + 1; j < m_children.size(); ++j) {
                if (usedArea(*m_children[i]).intersects(usedArea(*m_children[j])))
                    found.push_back(nameOf(*m_children[i]) + " and " + nameOf(*m_children[j]));
            }
        }
        return found;
    }

private:
    static std::string nameOf(const QWidget& widget)
    {
        const QString name = widget.objectName();
        return (name.isEmpty() ? QString::fromLatin1(widget.metaObject()->className()) : name).toStdString();
    }

    static bool isControl(const QWidget& widget)
    {
        return qobject_cast<const QAbstractButton*>(&widget) || qobject_cast<const QAbstractSlider*>(&widget)
            || widget.focusPolicy() != Qt::NoFocus;
    }

    static int textFlags(const QLabel& label)
    {
        return static_cast<int>(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine);
    }

    // Where a label's text lands inside the label, in the window's coordinates.
    static QRect textArea(const QLabel& label)
    {
        const QRect room = label.contentsRect();
        const QRect text = label.fontMetrics().boundingRect(room, textFlags(label), label.text());
        return text.translated(label.pos());
    }

    // A check box answers clicks only on its box and caption, whatever its rectangle.
    static QRect clickArea(const QCheckBox& box)
    {
        QStyleOptionButton option;
        option.initFrom(&box);
        option.text = box.text();
        return box.style()->subElementRect(QStyle::SE_CheckBoxClickRect, &option, &box).translated(box.pos());
    }

    // A label occupies what its text or picture covers; a control where it can be clicked; lines
    // and empty labels nothing a player could miss.
    static QRect usedArea(const QWidget& widget)
    {
        if (const auto* box = qobject_cast<const QCheckBox*>(&widget))
            return clickArea(*box);
        if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
            if (!label->text().isEmpty())
                return textArea(*label);
            if (!label->pixmap().isNull())
                return {label->pos(), label->pixmap().deviceIndependentSize().toSize()};
            return {};
        }
        return isControl(widget) ? widget.geometry() : QRect();
    }

    static bool fits(const QWidget& widget)
    {
        if (const auto* label = qobject_cast<const QLabel*>(&widget))
            return labelFits(*label);
        if (const auto* box = qobject_cast<const QCheckBox*>(&widget))
            return box->sizeHint().width() <= box->width() && box->fontMetrics().height() <= box->height();
        if (const auto* button = qobject_cast<const QPushButton*>(&widget))
            return buttonFits(*button);
        return true;
    }

    static bool labelFits(const QLabel& label)
    {
        const QRect room = label.contentsRect();
        if (label.text().isEmpty())
            return label.pixmap().isNull() || room.size().expandedTo(label.pixmap().deviceIndependentSize().toSize()) == room.size();
        const QRect needed = label.fontMetrics().boundingRect(room, textFlags(label), label.text());
        return room.contains(needed);
    }

    static bool buttonFits(const QPushButton& button)
    {
        QString shown = button.text();
        shown.remove(QLatin1Char('&'));
        const int margin = button.style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button);
        return button.fontMetrics().horizontalAdvance(shown) + margin <= button.width()
            && button.fontMetrics().height() <= button.height();
    }

    const QWidget& m_window;
    std::vector<QWidget*> m_children;
};

} // namespace orbalux::testing
