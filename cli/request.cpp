#include "request.h"

#include <nlohmann/json.hpp>

#include "position_catalogue.h"
#include "seniority.h"

namespace sueldara::batch {

namespace {

using nlohmann::json;

struct Bad {
    BadRequest value;
};

[[noreturn]] void bad(std::string field, std::string message) {
    throw Bad{BadRequest{std::move(field), std::move(message)}};
}

std::string inQuotes(std::string_view key) { return "\"" + std::string(key) + "\""; }

std::string text(const json& v, const std::string& key) {
    if (!v.is_string()) bad(key, "El campo " + inQuotes(key) + " debe ser un texto.");
    return v.get<std::string>();
}

bool flag(const json& v, const std::string& key) {
    if (!v.is_boolean()) bad(key, "El campo " + inQuotes(key) + " debe ser true o false.");
    return v.get<bool>();
}

int wholeIn(const json& v, const std::string& key, int low, int high) {
    if (!v.is_number_integer()) bad(key, "El campo " + inQuotes(key) + " debe ser un número entero.");
    const bool inRange = v.is_number_unsigned() ? v.get<std::uint64_t>() <= static_cast<std::uint64_t>(high)
                                                : v.get<std::int64_t>() >= low && v.get<std::int64_t>() <= high;
    if (!inRange) {
        bad(key, "El campo " + inQuotes(key) + " debe estar entre " + std::to_string(low) + " y " +
                     std::to_string(high) + ".");
    }
    return static_cast<int>(v.get<std::int64_t>());
}

using TextField = std::string PayInput::*;
using FlagField = bool PayInput::*;

struct TextKey {
    std::string_view key;
    TextField field;
};
struct FlagKey {
    std::string_view key;
    FlagField field;
};

constexpr TextKey kTextKeys[] = {
    {"docente", &PayInput::docente},
    {"numerohorasmed", &PayInput::numerohorasmed},
    {"numerohorassup", &PayInput::numerohorassup},
    {"numhorascod06", &PayInput::numhorascod06},
    {"numhorasincen", &PayInput::numhorasincen},
    {"numhorascod113", &PayInput::numhorascod113},
    {"cantkm", &PayInput::cantkm},
    {"dinasist", &PayInput::dinasist},
    {"cantidadhijos", &PayInput::cantidadhijos},
    {"cantidadhijosdisc", &PayInput::cantidadhijosdisc},
};

constexpr FlagKey kFlagKeys[] = {
    {"opincentivo", &PayInput::opincentivo}, {"transporte", &PayInput::transporte},
    {"inasist", &PayInput::inasist},         {"hijos", &PayInput::hijos},
    {"hijosdisc", &PayInput::hijosdisc},     {"conyuge", &PayInput::conyuge},
    {"Iosper", &PayInput::Iosper},           {"Osplad", &PayInput::Osplad},
    {"APORTEJUB", &PayInput::APORTEJUB},     {"Ley4035", &PayInput::Ley4035},
    {"ZELAN", &PayInput::ZELAN},             {"cajacomp", &PayInput::cajacomp},
    {"Seguro3011", &PayInput::Seguro3011},
};

using PositionField = std::string SelectedPosition::*;
struct PositionKey {
    std::string_view key;
    PositionField field;
};
constexpr PositionKey kPositionKeys[] = {
    {"codigocargo", &SelectedPosition::codigocargo}, {"puntosbasicos", &SelectedPosition::puntosbasicos},
    {"cargox", &SelectedPosition::cargox},           {"punbas", &SelectedPosition::punbas},
    {"compbas", &SelectedPosition::compbas},         {"proljor", &SelectedPosition::proljor},
    {"jorcom", &SelectedPosition::jorcom},           {"tardif", &SelectedPosition::tardif},
};

void readCategory(const json& v, PayInput& in) {
    if (v.is_null()) return;
    const std::string c = v.is_string() ? v.get<std::string>() : std::string();
    if (c == "cargo") in.cargo = true;
    else if (c == "horasmedio") in.horasmedio = true;
    else if (c == "horassup") in.horassup = true;
    else bad("categoria", "El campo \"categoria\" debe ser \"cargo\", \"horasmedio\", \"horassup\" o null.");
}

Request read(const json& doc) {
    if (!doc.is_object()) bad("", "La solicitud debe ser un objeto JSON.");
    Request r;
    PayInput& in = r.input;
    const json* cargoFields = nullptr;
    const json* code = nullptr;
    for (const auto& [key, value] : doc.items()) {
        bool known = false;
        for (const TextKey& k : kTextKeys) {
            if (key == k.key) {
                in.*k.field = text(value, key);
                known = true;
                break;
            }
        }
        if (known) continue;
        for (const FlagKey& k : kFlagKeys) {
            if (key == k.key) {
                in.*k.field = flag(value, key);
                known = true;
                break;
            }
        }
        if (known) continue;
        if (key == "categoria") {
            readCategory(value, in);
        } else if (key == "tramoantig") {
            applySeniorityBracket(in, wholeIn(value, key, 0, 12));
        } else if (key == "zona") {
            in.zona = wholeIn(value, key, -1, 4);
        } else if (key == "cargo") {
            if (!value.is_object()) bad(key, "El campo \"cargo\" debe ser un objeto.");
            cargoFields = &value;
        } else if (key == "codigo") {
            if (!value.is_string()) bad(key, "El campo \"codigo\" debe ser un texto.");
            code = &value;
        } else {
            bad(key, "Campo desconocido: " + inQuotes(key) + ".");
        }
    }
    // A code fills the post as the selection dialog does; values given under
    // "cargo" are then typed over it.
    if (code) r.position = positionForCode(code->get<std::string>());
    if (cargoFields) {
        for (const auto& [key, value] : cargoFields->items()) {
            bool known = false;
            for (const PositionKey& k : kPositionKeys) {
                if (key == k.key) {
                    r.position.*k.field = text(value, "cargo." + key);
                    known = true;
                    break;
                }
            }
            if (!known) bad("cargo." + key, "Campo desconocido: " + inQuotes("cargo." + key) + ".");
        }
    }
    return r;
}

}  // namespace

SelectedPosition positionForCode(std::string_view code) {
    SelectedPosition p;
    const auto row = PositionCatalogue::findByCode(code);
    if (!row) return p;
    const Position& pos = PositionCatalogue::rowAt(*row);
    p.codigocargo = pos.codigocargo;
    p.puntosbasicos = pos.puntosbasicos;
    p.cargox = pos.cargox;
    p.punbas = pos.puntosbasicos;
    p.proljor = pos.proljornada;
    p.jorcom = pos.jorcompleta;
    p.tardif = pos.tareadif;
    p.compbas = pos.compbasico;
    return p;
}

ParsedRequest parseRequest(std::string_view jsonText) {
    ParsedRequest result;
    json doc = json::parse(jsonText.begin(), jsonText.end(), nullptr, false);
    if (doc.is_discarded()) {
        result.bad = BadRequest{std::nullopt, "La línea no es un objeto JSON válido."};
        return result;
    }
    try {
        result.request = read(doc);
    } catch (const Bad& b) {
        result.bad = b.value;
        if (result.bad.field && result.bad.field->empty()) result.bad.field.reset();
    }
    return result;
}

}  // namespace sueldara::batch
