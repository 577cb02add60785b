#pragma once

#include <QFont>

// The font of every window: a CJK font at 9 points (12 pixels high on a 96 dpi screen).
// Without a CJK font every Chinese character is a box, so the family is one Debian ships
// (fonts-wqy-microhei); where it is missing the platform's default family stays.
QFont BaseFont();
