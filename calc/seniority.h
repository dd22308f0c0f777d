#pragma once
// The twelve seniority brackets and the five zones.

#include <array>
#include <string_view>

#include "pay_input.h"

namespace sueldara {

struct SeniorityBracket {
    std::string_view caption;      // option button caption, years of service
    std::string_view percentText;  // porcantig text and the option's tooltip
    int percent;                   // porcentajeantig
};

// Index 0 is "no bracket chosen"; 1 to 12 are Option1 to Option12.
extern const std::array<SeniorityBracket, 13> kSeniorityBrackets;

// Sets tramoantig, porcantig and porcentajeantig as choosing Option<bracket>
// does; 0 restores the start state ("0 %", 0).
void applySeniorityBracket(PayInput& input, int bracket);

struct Zone {
    std::string_view entry;
    int percent;
};

extern const std::array<Zone, 5> kZones;

// porcentajezona for a zona index: 0 when none is picked (-1) or out of range.
int zonePercent(int zona);

}  // namespace sueldara
