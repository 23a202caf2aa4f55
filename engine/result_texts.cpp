#include "result_texts.h"

#include "formulas.h"
#include "number_text.h"

namespace vevi {
namespace {

constexpr const char* kDegrees = "\u00B0F";
constexpr const char* kWholeMbh = "###0";
constexpr const char* kCfm = "###,##0";
constexpr const char* kFormulaCfm = "##,###,##0";
constexpr const char* kDensity = "0.0000";
constexpr const char* kPressure = "##.00";

// Texts just written into main-window labels that formulas repeat.
struct MainTexts {
    std::string output;
    std::string inletCfm;
    std::string disCfm;
};

MainTexts AddMainLabels(std::vector<LabelText>& out, const std::string& prefix,
                        const ArrangementResult& r, const ComparisonInputs& in) {
    auto add = [&](const char* suffix, std::string text) {
        out.push_back({TextWindow::Main, prefix + suffix, std::move(text)});
        return out.back().text;
    };
    MainTexts shown;
    shown.inletCfm = add("InletCFM", FormatNumber(r.InletCFM, kCfm));
    shown.disCfm = add("DisCFM", FormatNumber(r.DisCFM, kCfm));
    add("SpaceCFM", FormatNumber(r.SpaceCFM, kCfm));
    shown.output = add("BTUOut", FormatNumber(r.OutputMBH, kWholeMbh));
    add("BTUIn", FormatNumber(LeadingNumber(shown.output) / kBurnerEfficiency, kWholeMbh));
    const std::string airLoad = add("BTUAirLoad", FormatNumber(r.AirLoadMBH, kWholeMbh));
    add("BTUNet", FormatNumber(r.OutputMBH - LeadingNumber(airLoad), kWholeMbh));
    add("InletTemp", "@ " + in.OutdoorTemp + kDegrees);
    add("DisTemp", "@ " + SignedNumberText(r.DischargeTemp) + kDegrees);
    add("SpaceTemp", "@ " + in.IndoorTemp + kDegrees);
    return shown;
}

std::string Density(double density) {
    return FormatNumber(density, kDensity);
}
std::string OutputFormulaTail(double density, double rise) {
    return " x " + Density(density) + " x 0.24 x 60 x" + SignedNumberText(rise);
}

}  // namespace

std::vector<LabelText> ComparisonLabelTexts(const ComparisonInputs& in,
                                            const ComparisonResult& result,
                                            const SharedValues& shared) {
    std::vector<LabelText> texts;
    auto formula = [&](std::string name, std::string text) {
        texts.push_back({TextWindow::Formulas, std::move(name), std::move(text)});
    };
    const std::string pressure = FormatNumber(shared.BaroPress, kPressure);
    const double outdoor = in.FieldNumber(Field::OutdoorTemp);
    const double indoor = in.FieldNumber(Field::IndoorTemp);

    {
        const MainTexts shown = AddMainLabels(texts, "lblDrawThru", result.DrawThru, in);
        const double fan = in.FieldNumber(Field::DrawThruFanCapacity);
        const double D = shared.DrawThruDischarge;
        const double density = AirDensityAt(shared, D);
        const std::string output =
            FormatNumber(HeatOutputMBH(fan, density, shared.DrawThruRise), kWholeMbh);
        const std::string cfmTimes = "= " + in.DrawThruFanCapacity + "  x  ";
        formula("lblDrawThruCFMd", cfmTimes);
        formula("lblDrawThruCFMs", cfmTimes);
        formula("lblDrawThruInletTempR", "460 + " + in.OutdoorTemp);
        formula("lblDrawThruDischargeTempR_0", "460 + " + SignedNumberText(D));
        formula("lblDrawThruDischargeTempR_1", "460 + " + SignedNumberText(D));
        formula("lblDrawThruInletCFM",
                "  =  " + FormatNumber(CorrectCfmForTemperature(fan, D, outdoor), kFormulaCfm) +
                    " CFM");
        formula("lblDrawThruSpaceTempR", "460 + " + in.IndoorTemp);
        formula("lblDrawThruSpaceCFM",
                "  =  " + FormatNumber(CorrectCfmForTemperature(fan, D, indoor), kFormulaCfm) +
                    " NCFM");
        formula("lblDrawThruBaroPress", pressure);
        formula("lblDrawThruAirTemp", "460  +  " + SignedNumberText(D));
        formula("lblDrawThruAirDensity", Density(density) + " lbs./cu. ft.");
        formula("lblOutputMBHFormula",
                in.DrawThruFanCapacity + OutputFormulaTail(density, shared.DrawThruRise));
        formula("lblDrawThruOutputMBH", " = " + output + " MBH");
        formula("lblDrawThruInputMBHFormula", output + " / 0.92 = ");
        formula("lblDrawThruInputMBH",
                FormatNumber(LeadingNumber(shown.output) / kBurnerEfficiency, kWholeMbh) + " MBH");
    }
    {
        const MainTexts shown = AddMainLabels(texts, "lblBloThru", result.BloThru, in);
        const double fan = in.FieldNumber(Field::BloThruFanCapacity);
        const double D = shared.BloThruDischarge;
        const double density = AirDensityAt(shared, outdoor);
        const double output = HeatOutputMBH(fan, density, shared.BloThruRise);
        formula("lblBloThruCFMd", "= " + in.BloThruFanCapacity + "  x  ");
        formula("lblBloThruDischargeTempR_0", "460 + " + SignedNumberText(D));
        formula("lblBloThruDischargeTempR_1", "460 + " + SignedNumberText(D));
        formula("lblBloThruInletTempR", "460 + " + in.OutdoorTemp);
        formula("lblBloThruDischargeCFM",
                "  =  " + FormatNumber(CorrectCfmForTemperature(fan, outdoor, D), kFormulaCfm) +
                    " CFM");
        formula("lblBloThruCFMs", "= " + shown.disCfm + "  x  ");
        formula("lblBloThruSpaceTempR", "460 + " + in.IndoorTemp);
        formula("lblBloThruSpaceCFM",
                "  =  " +
                    FormatNumber(CorrectCfmForTemperature(fan, outdoor, indoor), kFormulaCfm) +
                    " NCFM");
        formula("lblBloThruBaroPress", pressure);
        formula("lblBloThruAirTemp", "460  +  " + in.OutdoorTemp);
        formula("lblBloThruAirDensity", Density(density) + " lbs./cu. ft.");
        formula("lblBloThruOutputMBHFormula",
                shown.inletCfm + OutputFormulaTail(density, shared.BloThruRise));
        formula("lblBloThruOutputMBH", " = " + FormatNumber(output, kWholeMbh) + " MBH");
        formula("lblBloThruInputMBHFormula", FormatNumber(output, kWholeMbh) + " / 0.92 = ");
        formula("lblBloThruInputMBH", FormatNumber(output / kBurnerEfficiency, kWholeMbh) + " MBH");
    }
    return texts;
}

}  // namespace vevi
