#pragma once

#include <QObject>
#include <QString>

namespace orbalux {

/**
 * Speaks short sentences through the screen reader without showing anything: to assistive
 * technology it is a notification that appears each time with the new text (AnnouncerAccessible).
 */
class Announcer : public QObject {
    Q_OBJECT

public:
    /** An announcer of window; nothing is said until announce(). */
    explicit Announcer(QWidget* window);

    /** Has text said now and keeps it for repeat(). */
    void announce(const QString& text);
    /** Has the last announcement said again; nothing before the first. */
    void repeat();

    /** The last announcement, empty before the first. */
    const QString& text() const { return m_text; }

private:
    void say();

    QString m_text;
};

} // namespace orbalux
