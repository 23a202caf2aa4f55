// The windows' own light colours. The documented colours were chosen for black text on a light
// window; a dark desktop theme would otherwise put them, and the window-text colour, on a dark
// one where they cannot be read.
#pragma once

#include <QPalette>

namespace vevi {

// Black text on light grey, white boxes: the look of the dialogs. Disabled text stays
// readable on it.
QPalette LightPalette();

// The same on white: the main window and the formulas laid over it, which read like the
// printed page and give the documented colours the most contrast a light window can.
QPalette PaperPalette();

// The light palette for the whole program: menus, message boxes, prompts, file and print
// dialogs and the guide too, in place of the desktop's and its theme's, so that a dark desktop
// still gives one consistent light program.
void UseLightPaletteEverywhere();

}  // namespace vevi
