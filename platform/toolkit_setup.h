// What the program does to the toolkit once, before its first window.
#pragma once

class QLocale;

namespace vevi {

// The toolkit's translations for `locale`, the overflow arrow read when first drawn, and the
// light palette everywhere.
void PrepareToolkit(const QLocale& locale);

// Wraps the application's style so that the arrow a menu bar shows when its menus do not fit is
// read when it is first drawn, not when a menu bar is made. Reading it loads every image
// plugin, about a thirtieth of the start-up, for an arrow a window whose menus fit never
// shows. Does nothing when the style is wrapped already.
void DeferMenuOverflowIcon();

}  // namespace vevi
