#pragma once

#include <QString>

class QLabel;

// The program's pictures are bundled as ":/pictures/<name>". Until a picture is there the
// label shows a plain band of the program's colour, `height` pixels high.
void ShowPictureOrBand(QLabel* label, const QString& name, int height);
