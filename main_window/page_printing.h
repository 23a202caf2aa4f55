// Printing from the main window: the diagram as the window shows it (its buttons left out,
// its wheels still), and the formulas window without its button. The user picks the printer;
// a failure is reported once the window is whole again.
#pragma once

class QString;
class QTimer;
class QWidget;

namespace vevi {

class PageReadier;
class Prompts;
class frmFormulas;

class PagePrinting {
public:
    // `window` names the warnings with its title.
    PagePrinting(Prompts& prompts, PageReadier& page, QWidget* window);

    void PrintDiagram();
    void PrintFormulas(frmFormulas& formulas, QTimer& wheels);

private:
    void Warn(const QString& failure);

    Prompts& prompts_;
    PageReadier& page_;
    QWidget* window_;
};

}  // namespace vevi
