#pragma once
// Typical ambient temperatures of rooms under summer design conditions, the
// air around cold pipes and ducts: "Typisk romtemperatur..." offers them
// and takes the one the user picks.
#include <array>

#include "core/string_ids.h"

namespace kav {

struct RoomType {
  int nameId;         // string-table entry of its name
  float temperature;  // °C
};

inline constexpr std::array<RoomType, 8> kRoomTypes = {{
    {ids::RoomCeilingVoid, 24.0f},
    {ids::RoomFoodProduction, 20.0f},
    {ids::RoomParkingPoorlyVentilated, 22.0f},
    {ids::RoomParkingVentilated, 26.0f},
    {ids::RoomOfficeSchoolHospital, 28.0f},
    {ids::RoomPipeDuctHumid, 22.0f},
    {ids::RoomPipeDuctDry, 24.0f},
    {ids::RoomTechnical, 32.0f},
}};

// The room type picked: an index into kRoomTypes, or -1 for none.
struct RoomTypeChoice {
  int selected = -1;
};

}  // namespace kav
