#pragma once
// A window's saved placement: its restored (normal) rectangle and the
// position it takes when minimised. X11 has no minimised position, so the one
// set is kept with the window and reported back, without other effect.

#include <cstdint>

class QWidget;

// The window's restored rectangle as left, top, width and height, also while
// it is maximised or minimised.
void FNGETNORMALBOUNDS(const QWidget& window, std::int32_t& left, std::int32_t& top, std::int32_t& width,
                       std::int32_t& height);

// The window's minimised position; (-1, -1) until one is set.
void FNGETMINPOSITION(const QWidget& window, std::int32_t& x, std::int32_t& y);

// Sets the window's minimised position. The caller sets the window's state
// and visibility afterwards.
void FNSETMINPOSITION(QWidget& window, std::int32_t x, std::int32_t y);
