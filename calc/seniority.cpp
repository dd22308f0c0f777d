#include "seniority.h"

#include <string>

namespace sueldara {

const std::array<SeniorityBracket, 13> kSeniorityBrackets = {{
    {"", "0 %", 0},
    {"Menos de 1 año", "0 %", 0},
    {"Entre 1 y 2 años", "10 %", 10},
    {"Entre 2 y 5 años", "15 %", 15},
    {"Entre 5 y 7 años", "30 %", 30},
    {"Entre 7 y 10 años", "40 %", 40},
    {"Entre 10 y 12 años", "50 %", 50},
    {"Entre 12 y 15 años", "60 %", 60},
    {"Entre 15 y 17 años", "70 %", 70},
    {"Entre 17 y 20 años", "80 %", 80},
    {"Entre 20 y 22 años", "100 %", 100},
    {"Entre 22 y 24 años", "110 %", 110},
    {"Más de 24 años", "120 %", 120},
}};

void applySeniorityBracket(PayInput& input, int bracket) {
    if (bracket < 0 || bracket >= static_cast<int>(kSeniorityBrackets.size())) bracket = 0;
    const SeniorityBracket& b = kSeniorityBrackets[static_cast<std::size_t>(bracket)];
    input.tramoantig = bracket;
    input.porcantig = std::string(b.percentText);
    input.porcentajeantig = b.percent;
}

const std::array<Zone, 5> kZones = {{
    {"Común", 0},
    {"Alejada radio urbano", 20},
    {"Desfavorable", 40},
    {"Muy desfavorable", 80},
    {"Zona Inhóspita", 120},
}};

int zonePercent(int zona) {
    if (zona < 0 || zona >= static_cast<int>(kZones.size())) return 0;
    return kZones[static_cast<std::size_t>(zona)].percent;
}

}  // namespace sueldara
