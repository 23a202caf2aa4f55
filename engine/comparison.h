// The Blow Thru and Draw Thru comparison: from the nine field texts to every result value.
#pragma once

#include <optional>
#include <string>

#include "fields.h"
#include "shared_values.h"

namespace vevi {

// The texts of the nine fields at the press of the start button.
struct ComparisonInputs : FieldReader {
    ComparisonInputs();  // every field at its design text

    std::string Elevation;
    std::string OutdoorTemp;
    std::string IndoorTemp;
    std::string BloThruFanCapacity;
    std::string BloThruDisTemp;
    std::string BloThruTempRise;
    std::string DrawThruFanCapacity;
    std::string DrawThruDisTemp;
    std::string DrawThruTempRise;

    std::string FieldText(Field field) const override;
    std::string& Text(Field field);

private:
    template <class Inputs>
    static auto& TextOf(Inputs& self, Field field);
};

struct ArrangementResult {
    double Rise = 0;
    double DischargeTemp = 0;
    double FanTemp = 0;
    double AirDensity = 0;
    double InletCFM = 0;
    double DisCFM = 0;
    double SpaceCFM = 0;
    double OutputMBH = 0;
    double InputMBH = 0;
    double FormulaInputMBH = 0;
    double AirLoadMBH = 0;
    double NetMBH = 0;
};

struct ComparisonResult {
    double BaroPress = 0;
    ArrangementResult BloThru;
    ArrangementResult DrawThru;
};

// Runs the comparison and updates the shared values. Gives nothing, and leaves the shared
// values untouched, where the inputs give no finite result (an elevation with no pressure,
// or numbers so large that the arithmetic overflows).
std::optional<ComparisonResult> ComputeComparison(const ComparisonInputs& inputs,
                                                  SharedValues& shared);

}  // namespace vevi
