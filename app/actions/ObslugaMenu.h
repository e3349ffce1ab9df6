#pragma once

#include <QtGlobal>

class Gospodarz;

// F9, the F9 field and the menu line: the menu component's bar opened on
// menu `start` (start + 100 opens that menu's list at once), and the choice
// carried out.
void PokażMenuGłówne(Gospodarz &okno, qint32 start);

// Carries out menu `menu`, item `item` as the menu component returned them;
// 65535 (closed) and pairs without a command do nothing.
void ObsługaMenu(Gospodarz &okno, qint32 &menu, qint32 &item);

// 0: the help page with the document opener; 1: the about box.
void PokażPomoc(Gospodarz &okno, qint32 &which);

// The file filter of panel q: four switches and a pattern from the filter form.
void FiltrPanelu(Gospodarz &okno, int q);
