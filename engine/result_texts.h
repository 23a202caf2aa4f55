// Every label text that the start of a comparison writes, in the order it writes them.
#pragma once

#include <string>
#include <vector>

#include "comparison.h"

namespace vevi {

enum class TextWindow { Main, Formulas };

struct LabelText {
    TextWindow window;
    std::string name;  // the label's objectName
    std::string text;
};

// Draw Thru main-window labels, Draw Thru formulas-window labels, then the same for Blow
// Thru. Texts that repeat a main-window label are taken from the text just written there.
std::vector<LabelText> ComparisonLabelTexts(const ComparisonInputs& inputs,
                                            const ComparisonResult& result,
                                            const SharedValues& shared);

}  // namespace vevi
