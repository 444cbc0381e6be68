// The rows the viewer lists for a design: each names its section and its
// quantity by language text id and holds its value in base units, or a
// count, or a text, with the unit property that formats and labels it.
#pragma once

#include <string>
#include <vector>

#include "kavoapi_records.h"

namespace designview {

// Language texts of the viewer (texts.tsv).
enum Text : int {
    kTitle = 5001,
    kMenuFile, kMenuOpen, kMenuExit, kMenuUnits, kMenuLanguage,
    kGroupItem = 5010, kSection, kQuantity, kValue, kUnit, kShownIn, kComparedIn,
    kRoom = 5020, kInstallation, kProduct, kSummary,
    kName = 5030, kNotes, kLength, kWidth, kHeight, kFloorArea, kSummerTemperature, kWinterTemperature,
    kPersons, kCoolingLoad, kMountingHeight, kUnitRows, kUnitsPerRow, kModel, kSummerAirFlow,
    kCoolingCapacity, kPressureDrop, kWinterAirFlow, kHeatingCapacity, kSoundPower, kCapacityPerUnit,
    kSoundPressure,
    kCopyValue = 5060, kSortAscending, kSortDescending, kUnitSystem,
    kKeyValues = 5070,
};

// Unit property ids of the module (base unit in brackets).
enum Property : int {
    kNoUnit = -1, // a count or a text
    kPascal = 10, kAirFlow = 12, kMetres = 16, kMillimetres = 18, kTemperature = 20, kWatts = 22,
    kSoundPowerLevel = 26, kSoundPressureLevel = 28, kArea = 31,
};

struct Row {
    Text section;
    Text quantity;
    Property property;
    float value;      // in base units; a count when property is kNoUnit and text is empty
    std::string text; // a text value in code page 1252, else empty
};

std::vector<Row> design_rows(const designdata &design);

} // namespace designview
