#pragma once

#include <QString>

class Gospodarz;

// The command line under the panels: the caret, editing, and what Enter does
// with the typed line. Each operation leaves DOSLab showing the typed text
// and, in the caret's visible phase, the "_".

// The tmrKursor tick: the caret shows for one tick and hides for the next.
void tmrKursor_Timer(Gospodarz &okno);
void PokażKursor(Gospodarz &okno);
void UkryjKursor(Gospodarz &okno);

// Codes 32 to 126 only.
void WpiszZnak(Gospodarz &okno, int kod);
void UsuńZnak(Gospodarz &okno);
// Ctrl+Enter: the real name of the entry under the cursor and a blank,
// quoted for the shell when it needs it, "./" before a leading "-".
void WstawNazwę(Gospodarz &okno);

// Runs the typed line, or opens the entry under the cursor when there is none.
void Enter(Gospodarz &okno);
// Runs the typed line; whatever fails is ignored and the line is cleared.
void DosText(Gospodarz &okno);
// Opens the entry under the cursor, as its double click does.
void Enterek(Gospodarz &okno);

// Ctrl+E: one history line further back.
void ShowHistoryString(Gospodarz &okno);
// Alt+F8: the sixteen newest lines in the history window; the chosen one is
// run as if typed.
void HistoryWindow(Gospodarz &okno);

// Double click or Enter on a file: the document opener starts it, after
// asking first for AUTOEXEC.BAT in the root.
void OtwórzPlik(Gospodarz &okno, int p, const QString &ścieżka, const QString &nazwa);
// The desktop's opener opens the document; when there is none, one message
// says so.
void OtwórzDokument(Gospodarz &okno, const QString &ścieżka);
