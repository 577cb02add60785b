#pragma once

#include <QString>

// The program's identity texts, read by the main window caption, the about box and the error
// report.
extern const QString AppTitle;
extern const QString AppEdition;
extern const QString AppProductCode;

// The build text: "Build130115", extended at start by the distribution mark of cfg.ini.
QString AppBuild();
void SetAppBuild(const QString& build);
// The build text with a distribution mark: "(" + build + mark + ")".
QString BuildWithMark(const QString& build, const QString& mark);
// When cfg.ini exists in the program folder, extends AppBuild by its [publish] b mark.
void ApplyPublishMark();

// The folder of the help pages, inside the program folder.
extern const QString AppHelpFolder;
