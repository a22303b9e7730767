#pragma once

namespace orbalux {

/**
 * How much larger than designed the windows are laid out: 1 when the desktop font is as narrow
 * as the one the layouts were drawn for, more when the captions need more room.
 */
double layoutScale();

/**
 * Device-independent pixels for a length in twips: 15 twips make a pixel at 96 dots per inch,
 * times layoutScale(). Needs a QApplication.
 */
int twips(int length);

} // namespace orbalux
