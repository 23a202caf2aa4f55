// The toolkit's own texts (file and print dialogs, standard buttons, edit menus) in the user's
// language. The program's own texts are not translated.
#pragma once

class QLocale;

namespace vevi {

// Installs the toolkit's translations for `locale` from where the toolkit keeps them; false
// when none is installed for that language.
bool LoadToolkitTranslations(const QLocale& locale);

}  // namespace vevi
