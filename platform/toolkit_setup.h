// What the program does to the toolkit once, before its first window.
#pragma once

#include <memory>

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

// Reads the desktop's font configuration on another core while this one starts the toolkit
// and connects to the display. The window's first text would otherwise read it then, on this
// core: about a fifth of the work before the first paint. Made before the application object;
// waited for before the first font is asked for, so that the toolkit finds the configuration
// read instead of reading it a second time. Without fontconfig, does nothing.
class FontConfigurationAhead {
public:
    FontConfigurationAhead();
    ~FontConfigurationAhead();
    FontConfigurationAhead(const FontConfigurationAhead&) = delete;
    FontConfigurationAhead& operator=(const FontConfigurationAhead&) = delete;

    void Wait();

private:
    struct Reader;
    std::unique_ptr<Reader> reader_;
};

}  // namespace vevi
