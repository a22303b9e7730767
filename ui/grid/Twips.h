#pragma once

class QWidget;

namespace orbalux {

/**
 * Turns the windows' design lengths, in twips, into device-independent pixels: 15 twips make a
 * pixel at 96 dots per inch, enlarged when the desktop font is wider than the one the layouts
 * were drawn for. Measures the font once; each window keeps one.
 */
class TwipScale {
public:
    /** Measures QApplication::font(); needs a QApplication. */
    TwipScale();

    /** Pixels for length twips. */
    int operator()(int length) const;
    /** Puts control at its design position and size. */
    void place(QWidget* control, int left, int top, int width, int height) const;
    /** 1 when the captions fit as designed, more when they need more room. */
    double factor() const { return m_factor; }

private:
    double m_factor = 1.0;
};

/** Pixels for length twips at the current desktop font; windows keep a TwipScale instead. */
int twips(int length);

} // namespace orbalux
