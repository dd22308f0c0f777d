#include "output.h"

#include <algorithm>
#include <array>

#include "position_catalogue.h"

namespace sueldara::batch {

void appendJsonString(std::string& out, std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    out.push_back('"');
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c != '"' && c != '\\') continue;
        out.append(text.data() + start, i - start);
        start = i + 1;
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                out += "\\u00";
                out.push_back(kHex[c >> 4]);
                out.push_back(kHex[c & 15]);
        }
    }
    out.append(text.data() + start, text.size() - start);
    out.push_back('"');
}

namespace {

// Texts the engine writes itself (codes, concepts, amounts) hold no character
// that needs escaping.
void appendPlain(std::string& out, std::string_view text) {
    out.push_back('"');
    out.append(text);
    out.push_back('"');
}

void appendKey(std::string& out, std::string_view key) {
    appendJsonString(out, key);
    out.push_back(':');
}

std::string_view errorKind(const Outcome& o) {
    if (o.bad) return "bad-request";
    switch (o.result.status) {
        case RunStatus::noCategory: return "no-category";
        case RunStatus::invalidEntry:
            return o.result.error == NumberError::typeMismatch ? "type-mismatch" : "overflow";
        case RunStatus::done: break;
    }
    return "";
}

std::string errorMessage(const Outcome& o) {
    if (o.bad) return o.bad->message;
    if (o.result.status == RunStatus::noCategory) return std::string(kNoCategoryMessage);
    return invalidEntryMessage(o.result.field, o.result.error);
}

std::optional<std::string> errorField(const Outcome& o) {
    if (o.bad) return o.bad->field;
    if (o.result.status == RunStatus::invalidEntry) return std::string(fieldName(o.result.field));
    return std::nullopt;
}

void writeJsonError(std::string& out, const Outcome& o) {
    out += "{\"ok\":false,\"error\":{";
    appendKey(out, "kind");
    appendJsonString(out, errorKind(o));
    out.push_back(',');
    appendKey(out, "field");
    if (const auto f = errorField(o)) appendJsonString(out, *f);
    else out += "null";
    out.push_back(',');
    appendKey(out, "message");
    appendJsonString(out, errorMessage(o));
    out += "}}\n";
}

void writeJsonReceipt(std::string& out, const ReceiptSheet& sheet) {
    out += "{\"ok\":true,\"lines\":[";
    for (int r = 0; r < sheet.rowCount; ++r) {
        const SheetRow& row = sheet.rows[static_cast<std::size_t>(r)];
        const Cell& earnings = sheet.Label1[static_cast<std::size_t>(r)];
        const bool haberes = earnings.shown;
        const Cell& amountCell = haberes ? earnings : sheet.Label1[static_cast<std::size_t>(r + kSheetRows)];
        if (r) out.push_back(',');
        out += "{\"code\":";
        appendPlain(out, row.cod.text);
        out += ",\"quantity\":";
        if (row.Label10.shown) appendJsonString(out, row.Label10.text);
        else out += "null";
        out += ",\"concept\":";
        appendPlain(out, row.Label19.text);
        out += haberes ? ",\"column\":\"haberes\"" : ",\"column\":\"descuentos\"";
        out += ",\"amount\":";
        // The cell's text is "$" or "$ " followed by the money text.
        std::string_view cellText = amountCell.text;
        if (cellText.starts_with("$ ")) cellText.remove_prefix(2);
        else if (cellText.starts_with("$")) cellText.remove_prefix(1);
        appendPlain(out, cellText);
        out += ",\"amountText\":";
        appendPlain(out, amountCell.text);
        out.push_back('}');
    }
    out += "],\"header\":{\"Label11\":";
    appendJsonString(out, sheet.Label11);
    out += ",\"numcargo\":";
    appendJsonString(out, sheet.numcargo);
    out += ",\"punbasicos\":";
    appendJsonString(out, sheet.punbasicos);
    out += ",\"carsel\":";
    appendJsonString(out, sheet.carsel);
    out += sheet.positionPointsShown ? ",\"positionPointsShown\":true}" : ",\"positionPointsShown\":false}";
    out += ",\"thaberes\":";
    appendJsonString(out, sheet.thaberes);
    out += ",\"tdescuentos\":";
    appendJsonString(out, sheet.tdescuentos);
    out += ",\"liquido\":";
    appendJsonString(out, sheet.liquido);
    out += ",\"docente\":";
    appendJsonString(out, sheet.docente);
    out += "}\n";
}

// Width on a terminal of a UTF-8 text: one column a code point.
std::size_t columns(std::string_view s) {
    return static_cast<std::size_t>(std::count_if(s.begin(), s.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

void pad(std::string& out, std::string_view s, std::size_t width, bool right = false) {
    const std::size_t w = columns(s);
    const std::string fill(w < width ? width - w : 0, ' ');
    if (right) out += fill;
    out += s;
    if (!right) out += fill;
}

void writeTextReceipt(std::string& out, const ReceiptSheet& sheet) {
    out += "Recibo de sueldos de: ";
    out += sheet.docente;
    out += "\n";
    out += sheet.Label11 + ": " + sheet.numcargo + "   Puntaje: " + sheet.punbasicos + "   " + sheet.carsel + "\n";
    pad(out, "Código", 6);
    out += "  ";
    pad(out, "Cantidad", 8);
    out += "  ";
    pad(out, "Concepto", 30);
    out += "  ";
    pad(out, "Haberes", 14, true);
    out += "  ";
    pad(out, "Descuentos", 14, true);
    out += "\n";
    for (int r = 0; r < sheet.rowCount; ++r) {
        const SheetRow& row = sheet.rows[static_cast<std::size_t>(r)];
        const Cell& earnings = sheet.Label1[static_cast<std::size_t>(r)];
        const Cell& deductions = sheet.Label1[static_cast<std::size_t>(r + kSheetRows)];
        pad(out, row.cod.text, 6);
        out += "  ";
        pad(out, row.Label10.shown ? row.Label10.text : std::string(), 8);
        out += "  ";
        pad(out, row.Label19.text, 30);
        out += "  ";
        pad(out, earnings.shown ? earnings.text : std::string(), 14, true);
        out += "  ";
        pad(out, deductions.shown ? deductions.text : std::string(), 14, true);
        out += "\n";
    }
    const auto total = [&](std::string_view caption, const std::string& amount) {
        pad(out, caption, 50);
        out += "  ";
        pad(out, amount, 14, true);
        out += "\n";
    };
    total("Total Haberes", sheet.thaberes);
    total("Total descuentos", sheet.tdescuentos);
    total("Liquido a pagar", sheet.liquido);
    out += "\n";
}

}  // namespace

void writeResult(std::string& out, Format format, const Outcome& outcome, const ReceiptSheet& sheet) {
    const bool done = !outcome.bad && outcome.result.status == RunStatus::done;
    if (format == Format::json) {
        if (done) writeJsonReceipt(out, sheet);
        else writeJsonError(out, outcome);
        return;
    }
    if (done) {
        writeTextReceipt(out, sheet);
    } else {
        out += "Error: " + errorMessage(outcome) + "\n\n";
    }
}

void writePosts(std::string& out, Format format) {
    static constexpr std::array<std::string_view, 7> kKeys = {
        "codigocargo", "cargox", "puntosbasicos", "proljornada", "jorcompleta", "tareadif", "compbasico"};
    if (format == Format::text) {
        out += "Código  Cargo                                                               Puntos  Prol  Jorn  Tarea  Comp\n";
    }
    for (const Position& p : PositionCatalogue::rows()) {
        const std::array<std::string_view, 7> values = {p.codigocargo, p.cargox,    p.puntosbasicos, p.proljornada,
                                                        p.jorcompleta, p.tareadif, p.compbasico};
        if (format == Format::json) {
            out.push_back('{');
            for (std::size_t i = 0; i < kKeys.size(); ++i) {
                if (i) out.push_back(',');
                appendJsonString(out, kKeys[i]);
                out.push_back(':');
                appendJsonString(out, values[i]);
            }
            out += "}\n";
        } else {
            pad(out, p.codigocargo, 6);
            out += "  ";
            pad(out, p.cargox, 66);
            out += "  ";
            pad(out, p.puntosbasicos, 6, true);
            out += "  ";
            pad(out, p.proljornada, 4, true);
            out += "  ";
            pad(out, p.jorcompleta, 4, true);
            out += "  ";
            pad(out, p.tareadif, 5, true);
            out += "  ";
            pad(out, p.compbasico, 4, true);
            out += "\n";
        }
    }
}

}  // namespace sueldara::batch
