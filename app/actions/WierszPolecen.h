#pragma once

#include <QString>

class frmMain;

// The command line under the panels: the caret, editing, and what Enter does
// with the typed line. Each operation leaves DOSLab showing the typed text
// and, in the caret's visible phase, the "_".

// The tmrKursor tick: the caret shows for one tick and hides for the next.
void tmrKursor_Timer(frmMain &okno);
void PokażKursor(frmMain &okno);
void UkryjKursor(frmMain &okno);

// Codes 32 to 126 only.
void WpiszZnak(frmMain &okno, int kod);
void UsuńZnak(frmMain &okno);
// Ctrl+Enter: the real name of the entry under the cursor and a blank,
// quoted for the shell when it needs it, "./" before a leading "-".
void WstawNazwę(frmMain &okno);

// Runs the typed line, or opens the entry under the cursor when there is none.
void Enter(frmMain &okno);
// Runs the typed line; whatever fails is ignored and the line is cleared.
void DosText(frmMain &okno);
// Opens the entry under the cursor, as its double click does.
void Enterek(frmMain &okno);

// Ctrl+E: one history line further back.
void ShowHistoryString(frmMain &okno);
// Alt+F8: the sixteen newest lines in the history window; the chosen one is
// run as if typed.
void HistoryWindow(frmMain &okno);

// True when the subdirectory, taken relative to the directory (or absolute),
// can be entered.
bool MożnaWejść(const QString &katalog, const QString &podkatalog);
