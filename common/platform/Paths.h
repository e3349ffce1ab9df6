#pragma once

#include <QString>

namespace oc::platform {

// The directory of the running program, without a trailing "/". Tests
// point it elsewhere with setProgramDirectory.
QString programDirectory();
void setProgramDirectory(const QString &directory);

// data/oc.pth beside the program, or in the user's configuration folder
// when the program's data folder cannot be written.
QString savedPathsFile();
// oc.pth in the user's configuration folder.
QString userSavedPathsFile();
// Where oc.pth is read from: the program's copy, unless the user's copy
// is newer (a save that had to fall back) or the program's is missing.
QString savedPathsFileForReading();
// oc.ust, the panels' order and view, beside oc.pth in each of the three.
QString panelSettingsFile();
QString userPanelSettingsFile();
QString panelSettingsFileForReading();
QString colourSchemeFile();    // data/kolory/xk.kol
QString helpFile();            // help/index.htm
QString registrationProgram(); // data/ocreg
QString mainProgram();         // oc
QString repairTool();          // regmend

// The fall-back directory: the user's home, or "/" when that cannot be entered.
QString fallbackDirectory();

// Appends "/" unless the path already ends with one.
QString withSeparator(const QString &path);
// Removes a trailing "/" except from the root.
QString withoutSeparator(const QString &path);

} // namespace oc::platform
