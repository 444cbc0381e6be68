#include "design_rows.h"

#include <cstring>

namespace designview {

namespace {

// Record texts are fixed arrays that may fill up without a terminator.
template <std::size_t N>
std::string field(const char (&text)[N])
{
    return std::string(text, strnlen(text, N));
}

} // namespace

std::vector<Row> design_rows(const designdata &design)
{
    const room &r = design.room;
    const installation &inst = design.installation;
    const beam_module &beam = design.beams[0]; // the design reader puts the product first
    const summary &sum = design.summary;
    return {
        {kRoom, kName, kNoUnit, 0, field(r.rnm)},
        {kRoom, kNotes, kNoUnit, 0, field(r.rnt)},
        {kRoom, kLength, kMetres, r.rle, {}},
        {kRoom, kWidth, kMetres, r.rwi, {}},
        {kRoom, kHeight, kMetres, r.rhe, {}},
        {kRoom, kFloorArea, kArea, r.rle * r.rwi, {}},
        {kRoom, kSummerTemperature, kTemperature, r.rts, {}},
        {kRoom, kWinterTemperature, kTemperature, r.rtw, {}},
        {kRoom, kPersons, kNoUnit, r.rpc, {}},
        {kRoom, kCoolingLoad, kWatts, r.rqr, {}},
        {kInstallation, kMountingHeight, kMetres, inst.iih, {}},
        {kInstallation, kUnitRows, kNoUnit, float(inst.inr), {}},
        {kInstallation, kUnitsPerRow, kNoUnit, float(inst.inc), {}},
        {kProduct, kModel, kNoUnit, 0, field(beam.bsi)},
        {kProduct, kLength, kMillimetres, float(beam.blb), {}},
        {kProduct, kSummerAirFlow, kAirFlow, beam.bq1, {}},
        {kProduct, kCoolingCapacity, kWatts, beam.bp1, {}},
        {kProduct, kPressureDrop, kPascal, beam.bd2, {}},
        {kProduct, kWinterAirFlow, kAirFlow, beam.bq5, {}},
        {kProduct, kHeatingCapacity, kWatts, beam.bp5, {}},
        {kProduct, kSoundPower, kSoundPowerLevel, beam.bl1, {}},
        {kSummary, kCapacityPerUnit, kWatts, sum.q_unit, {}},
        {kSummary, kPressureDrop, kPascal, sum.dp2, {}},
        {kSummary, kSoundPressure, kSoundPressureLevel, sum.a_value, {}},
    };
}

} // namespace designview
