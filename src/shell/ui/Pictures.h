#pragma once

#include <QString>

class QIcon;
class QLabel;

// The program's pictures are bundled as ":/pictures/<name>". Until a picture is there the
// label shows a plain band of the program's colour, `height` pixels high.
void ShowPictureOrBand(QLabel* label, const QString& name, int height);

// The desktop picture of a menu entry's Tag: 1 data, 2 business, 3 query and report, else
// other; a plain coloured square until the picture is there.
QIcon DesktopIcon(int tag);
