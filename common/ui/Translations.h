#pragma once

namespace oc::ui {

// Qt's own texts (dialog buttons, "Show Details...") in Polish, as every
// other text of the program; false when the translations are not installed.
bool installPolishQtTranslations();

} // namespace oc::ui
