#include "formulas.h"

#include <cmath>

#include "number_text.h"

namespace vevi {
namespace {

constexpr double kLapseRate = 0.0065;  // K per metre
constexpr double kSeaLevelTemperatureK = 288.16;
constexpr double kFeetPerMetre = 3.279;  // the factor the trade tables use
constexpr double kPressureExponent = 5.2561;

// One arrangement's pair of limit fields.
struct LimitFields {
    Field rise;
    Field discharge;
};
constexpr LimitFields kBloThru{Field::BloThruTempRise, Field::BloThruDisTemp};
constexpr LimitFields kDrawThru{Field::DrawThruTempRise, Field::DrawThruDisTemp};

// The rise is the smaller of the maximum rise and the room left below the maximum
// discharge temperature; on equality the maximum rise is taken. Fields are read in the
// documented order, and read again for the result.
double GoverningRise(const FieldReader& f, LimitFields limits) {
    const double rise = f.FieldNumber(limits.rise);
    const double dis = f.FieldNumber(limits.discharge);
    const double out = f.FieldNumber(Field::OutdoorTemp);
    if (dis < out + rise)
        return f.FieldNumber(limits.discharge) - f.FieldNumber(Field::OutdoorTemp);
    return f.FieldNumber(limits.rise);
}

double Discharge(const FieldReader& f, LimitFields limits, double governingRise) {
    const double out = f.FieldNumber(Field::OutdoorTemp);
    const double dis = f.FieldNumber(limits.discharge);
    if (out + governingRise > dis) return f.FieldNumber(limits.discharge);
    return out + governingRise;
}

}  // namespace

double FieldReader::FieldNumber(Field field) const {
    return LeadingNumber(FieldText(field));
}

double BaroPressureFromElevation(double elevationFeet) {
    const double k = kLapseRate / kSeaLevelTemperatureK;
    const double base = 1 - (elevationFeet / kFeetPerMetre) * k;
    return kSeaLevelPressure - kSeaLevelPressure * (1 - std::pow(base, kPressureExponent));
}

std::optional<double> CheckedBaroPressure(double elevationFeet) {
    const double p = BaroPressureFromElevation(elevationFeet);
    // Near the top the subtraction cancels to exactly 0: still a pressure, and finite.
    if (!std::isfinite(p) || p < 0) return std::nullopt;
    return p;
}

double AirDensityAt(const SharedValues& shared, double temperatureF) {
    return (kDensityFactor * shared.BaroPress) / (kAbsoluteOffset + temperatureF);
}

double HeatOutputMBH(double cfm, double density, double temperatureDifference) {
    return cfm * density * kSpecificHeat * kMinutesPerHour * temperatureDifference / kBtuPerMbh;
}

double CorrectCfmForTemperature(double cfm, double fromTemperatureF, double toTemperatureF) {
    return cfm * (kAbsoluteOffset + toTemperatureF) / (kAbsoluteOffset + fromTemperatureF);
}

void SetBloThruRise(const FieldReader& fields, SharedValues& shared) {
    shared.BloThruRise = GoverningRise(fields, kBloThru);
}

void SetBloThruDischarge(const FieldReader& fields, SharedValues& shared) {
    SetBloThruRise(fields, shared);
    shared.BloThruDischarge = Discharge(fields, kBloThru, shared.BloThruRise);
}

void SetDrawThruRise(const FieldReader& fields, SharedValues& shared) {
    shared.DrawThruRise = GoverningRise(fields, kDrawThru);
}

void SetDrawThruDischarge(const FieldReader& fields, SharedValues& shared) {
    SetDrawThruRise(fields, shared);
    shared.DrawThruDischarge = Discharge(fields, kDrawThru, shared.DrawThruRise);
}

}  // namespace vevi
