#pragma once

class QDialog;

namespace oc::ui {

// Runs a dialog modally with the keyboard in it: a window manager that
// guards against windows stealing the focus leaves a window of a program
// started by another program unfocused.
int execActivated(QDialog &dialog);

} // namespace oc::ui
