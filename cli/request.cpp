#include "request.h"

#include <cstdint>
#include <nlohmann/json.hpp>

#include "position_catalogue.h"
#include "seniority.h"

namespace sueldara::batch {

namespace {

using nlohmann::json;

// One JSON value as the reader meets it; containers are only noted.
struct Value {
    enum class Kind { null, boolean, integer, unsignedInteger, floating, text, object, array } kind;
    bool flag = false;
    std::int64_t integer = 0;
    std::uint64_t unsignedInteger = 0;
    std::string* text = nullptr;
};

std::string inQuotes(std::string_view key) {
    std::string s = "\"";
    s += key;
    s += "\"";
    return s;
}

using TextField = std::string PayInput::*;
using FlagField = bool PayInput::*;
using PositionField = std::string SelectedPosition::*;

struct TextKey {
    std::string_view key;
    TextField field;
};
struct FlagKey {
    std::string_view key;
    FlagField field;
};
struct PositionKey {
    std::string_view key;
    PositionField field;
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

constexpr PositionKey kPositionKeys[] = {
    {"codigocargo", &SelectedPosition::codigocargo}, {"puntosbasicos", &SelectedPosition::puntosbasicos},
    {"cargox", &SelectedPosition::cargox},           {"punbas", &SelectedPosition::punbas},
    {"compbas", &SelectedPosition::compbas},         {"proljor", &SelectedPosition::proljor},
    {"jorcom", &SelectedPosition::jorcom},           {"tardif", &SelectedPosition::tardif},
};

// Reads a request event by event. The first field error is kept and reported
// only if the whole text turns out to be valid JSON.
class RequestReader : public nlohmann::json_sax<json> {
public:
    Request request;
    std::optional<BadRequest> error;
    bool syntaxError = false;

    // After the whole text: the code fills the post as the selection dialog
    // does, then the values given under "cargo" are typed over it.
    void finish() {
        if (code_) request.position = positionForCode(*code_);
        for (std::size_t i = 0; i < std::size(kPositionKeys); ++i) {
            if (overrides_[i]) request.position.*kPositionKeys[i].field = std::move(*overrides_[i]);
        }
    }

    bool null() override { return scalar(Value{Value::Kind::null}); }
    bool boolean(bool b) override { return scalar(Value{Value::Kind::boolean, b}); }
    bool number_integer(number_integer_t n) override {
        return scalar(Value{Value::Kind::integer, false, n});
    }
    bool number_unsigned(number_unsigned_t n) override {
        return scalar(Value{Value::Kind::unsignedInteger, false, 0, n});
    }
    bool number_float(number_float_t, const string_t&) override { return scalar(Value{Value::Kind::floating}); }
    bool string(string_t& s) override { return scalar(Value{Value::Kind::text, false, 0, 0, &s}); }
    bool binary(binary_t&) override { return scalar(Value{Value::Kind::floating}); }

    bool start_object(std::size_t) override { return container(Value::Kind::object); }
    bool start_array(std::size_t) override { return container(Value::Kind::array); }
    bool end_object() override { return leave(); }
    bool end_array() override { return leave(); }

    bool key(string_t& k) override {
        if (depth_ == 1) key_ = std::move(k);
        else if (depth_ == 2 && inCargo_) cargoKey_ = std::move(k);
        return true;
    }

    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override {
        syntaxError = true;
        return false;
    }

private:
    int depth_ = 0;
    int skipBelow_ = 0;  // containers deeper than this are ignored; 0 when none is
    bool inCargo_ = false;
    std::string key_;
    std::string cargoKey_;
    std::optional<std::string> code_;
    std::optional<std::string> overrides_[std::size(kPositionKeys)];

    void fail(std::string field, std::string message) {
        if (!error) error = BadRequest{field.empty() ? std::nullopt : std::optional(std::move(field)), std::move(message)};
    }

    bool skipping() const { return skipBelow_ != 0 && depth_ >= skipBelow_; }

    bool container(Value::Kind kind) {
        if (!skipping()) {
            if (depth_ == 0 && kind == Value::Kind::array) {
                fail("", "La solicitud debe ser un objeto JSON.");
                skipBelow_ = 1;
            } else if (depth_ == 1) {
                if (kind == Value::Kind::object && key_ == "cargo") {
                    inCargo_ = true;
                } else {
                    scalar(Value{kind});
                    skipBelow_ = depth_ + 1;
                }
            } else if (depth_ == 2 && inCargo_) {
                scalar(Value{kind});
                skipBelow_ = depth_ + 1;
            }
        }
        ++depth_;
        return true;
    }

    bool leave() {
        --depth_;
        if (skipBelow_ != 0 && depth_ < skipBelow_) skipBelow_ = 0;
        if (depth_ == 1) inCargo_ = false;
        return true;
    }

    bool scalar(const Value& v) {
        if (skipping()) return true;
        if (depth_ == 0) fail("", "La solicitud debe ser un objeto JSON.");
        else if (depth_ == 1) topLevel(v);
        else if (depth_ == 2 && inCargo_) positionValue(v);
        return true;
    }

    void positionValue(const Value& v) {
        const std::string field = "cargo." + cargoKey_;
        for (std::size_t i = 0; i < std::size(kPositionKeys); ++i) {
            if (cargoKey_ == kPositionKeys[i].key) {
                if (v.kind != Value::Kind::text) return fail(field, "El campo " + inQuotes(field) + " debe ser un texto.");
                overrides_[i] = std::move(*v.text);
                return;
            }
        }
        fail(field, "Campo desconocido: " + inQuotes(field) + ".");
    }

    void topLevel(const Value& v) {
        PayInput& in = request.input;
        for (const TextKey& k : kTextKeys) {
            if (key_ == k.key) {
                if (v.kind != Value::Kind::text) return fail(key_, "El campo " + inQuotes(key_) + " debe ser un texto.");
                in.*k.field = std::move(*v.text);
                return;
            }
        }
        for (const FlagKey& k : kFlagKeys) {
            if (key_ == k.key) {
                if (v.kind != Value::Kind::boolean) {
                    return fail(key_, "El campo " + inQuotes(key_) + " debe ser true o false.");
                }
                in.*k.field = v.flag;
                return;
            }
        }
        if (key_ == "categoria") {
            const std::string_view c = v.kind == Value::Kind::text ? std::string_view(*v.text) : std::string_view();
            in.cargo = c == "cargo";
            in.horasmedio = c == "horasmedio";
            in.horassup = c == "horassup";
            if (v.kind != Value::Kind::null && !in.cargo && !in.horasmedio && !in.horassup) {
                fail(key_, "El campo \"categoria\" debe ser \"cargo\", \"horasmedio\", \"horassup\" o null.");
            }
        } else if (key_ == "tramoantig") {
            if (const auto n = whole(v, 0, 12)) applySeniorityBracket(in, *n);
        } else if (key_ == "zona") {
            if (const auto n = whole(v, -1, 4)) in.zona = *n;
        } else if (key_ == "cargo") {
            fail(key_, "El campo \"cargo\" debe ser un objeto.");
        } else if (key_ == "codigo") {
            if (v.kind != Value::Kind::text) return fail(key_, "El campo \"codigo\" debe ser un texto.");
            code_ = std::move(*v.text);
        } else {
            fail(key_, "Campo desconocido: " + inQuotes(key_) + ".");
        }
    }

    std::optional<int> whole(const Value& v, int low, int high) {
        bool inRange = false;
        if (v.kind == Value::Kind::integer) inRange = v.integer >= low && v.integer <= high;
        else if (v.kind == Value::Kind::unsignedInteger) inRange = v.unsignedInteger <= static_cast<std::uint64_t>(high);
        else {
            fail(key_, "El campo " + inQuotes(key_) + " debe ser un número entero.");
            return std::nullopt;
        }
        if (!inRange) {
            fail(key_, "El campo " + inQuotes(key_) + " debe estar entre " + std::to_string(low) + " y " +
                           std::to_string(high) + ".");
            return std::nullopt;
        }
        return v.kind == Value::Kind::integer ? static_cast<int>(v.integer) : static_cast<int>(v.unsignedInteger);
    }
};

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
    RequestReader reader;
    const bool ok = json::sax_parse(jsonText.begin(), jsonText.end(), &reader, json::input_format_t::json, true);
    if (!ok || reader.syntaxError) {
        result.bad = BadRequest{std::nullopt, "La línea no es un objeto JSON válido."};
        return result;
    }
    if (reader.error) {
        result.bad = std::move(*reader.error);
        return result;
    }
    reader.finish();
    result.request = std::move(reader.request);
    return result;
}

}  // namespace sueldara::batch
