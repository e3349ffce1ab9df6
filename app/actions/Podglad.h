#pragma once

class Gospodarz;

// F3: the file under the active panel's cursor: a sound or a picture goes to
// the dialog component's player or viewer, any other file to the viewer
// window; directories and an empty panel do nothing.
void Viewx(Gospodarz &okno);
