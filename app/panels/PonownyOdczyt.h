#pragma once

class WidokPanelu;

// Reads the panel's directory again after a change on the disk: the cursor
// stays on its entry (or, when that is gone, on the nearest one still there
// that stood after it, else before it), on the same row where it can, and
// the marks stay with their names. False when the directory itself is gone
// and the panel fell back to another; the cursor then starts at the top.
// The row click at the end makes the panel the one with the keys; the
// caller gives them back.
bool OdczytajPoZmianie(WidokPanelu &panel);
