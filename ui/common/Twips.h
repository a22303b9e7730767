#pragma once

#include <initializer_list>

class QWidget;

namespace orbalux {

/** A caption that the layouts were drawn to fit in widthInTwips. */
struct DesignCaption {
    const char* text;
    int widthInTwips;
};

/**
 * Turns the windows' design lengths, in twips, into device-independent pixels: 15 twips make a
 * pixel at 96 dots per inch, enlarged when the desktop font needs more room than the design's.
 */
class TwipScale {
public:
    /** Measures tightest in QApplication::font(), once; needs a QApplication. */
    explicit TwipScale(std::initializer_list<DesignCaption> tightest);

    /** Pixels for length twips. */
    int operator()(int length) const;
    /** Puts control at its design position and size. */
    void place(QWidget* control, int left, int top, int width, int height) const;

private:
    double m_factor = 1.0;
};

} // namespace orbalux
