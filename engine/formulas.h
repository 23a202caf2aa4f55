// The air and heat formulas that every calculation uses.
#pragma once

#include <optional>

#include "fields.h"
#include "shared_values.h"

namespace vevi {

inline constexpr double kBurnerEfficiency = 0.92;
inline constexpr int kAbsoluteOffset = 460;  // °F to absolute, as the trade reckons it
inline constexpr double kDensityFactor = 1.32605;
inline constexpr double kSpecificHeat = 0.24;  // Btu per lb per °F
inline constexpr double kMinutesPerHour = 60;
inline constexpr double kBtuPerMbh = 1000;
inline constexpr double kSeaLevelPressure = 29.92;  // inches of mercury
// Above this elevation (ft) the standard atmosphere has no pressure; below the lower bound
// the figures leave any place on earth. The window refuses elevations outside.
inline constexpr double kLowestElevation = -10000;
inline constexpr double kHighestElevation = 145365;

double BaroPressureFromElevation(double elevationFeet);
// The pressure, or nothing where it comes out as no finite number of zero or more.
std::optional<double> CheckedBaroPressure(double elevationFeet);
double AirDensityAt(const SharedValues& shared, double temperatureF);
double HeatOutputMBH(double cfm, double density, double temperatureDifference);
double CorrectCfmForTemperature(double cfm, double fromTemperatureF, double toTemperatureF);

void SetBloThruRise(const FieldReader& fields, SharedValues& shared);
void SetBloThruDischarge(const FieldReader& fields, SharedValues& shared);
void SetDrawThruRise(const FieldReader& fields, SharedValues& shared);
void SetDrawThruDischarge(const FieldReader& fields, SharedValues& shared);

}  // namespace vevi
