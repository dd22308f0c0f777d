// The batch tool: requests in, results out, through the library and through
// the program itself.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "batch.h"
#include "request.h"

namespace sueldara::batch {
namespace {

using nlohmann::json;

std::vector<json> results(const std::string& input, int* status = nullptr, char sep = ',') {
    std::string out;
    Options options;
    options.decimalSeparator = sep;
    const int s = runBatch(input, options, out);
    if (status) *status = s;
    std::vector<json> docs;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) docs.push_back(json::parse(line));
    return docs;
}

TEST(BatchRequest, CodeAloneGivesTheTypicalReceipt) {
    const auto r = results(R"({"categoria": "cargo", "codigo": "813", "tramoantig": 4, "Iosper": true, "APORTEJUB": true})");
    ASSERT_EQ(r.size(), 1u);
    const json& doc = r[0];
    ASSERT_TRUE(doc["ok"].get<bool>()) << doc.dump();
    std::vector<std::string> codes;
    for (const json& l : doc["lines"]) codes.push_back(l["code"]);
    EXPECT_EQ(codes, (std::vector<std::string>{"001", "002", "052", "010", "006", "014", "084", "113", "188", "505", "502"}));
    EXPECT_EQ(doc["lines"][0], json::parse(R"({"code":"001","quantity":"1","concept":"Asign. de la categoría",
        "column":"haberes","amount":"680,8652","amountText":"$680,8652"})"));
    EXPECT_EQ(doc["lines"][10]["column"], "descuentos");
    EXPECT_EQ(doc["lines"][10]["amount"], "361,3744");
    EXPECT_EQ(doc["header"], json::parse(R"({"Label11":"Código del cargo","numcargo":"813","punbasicos":"971",
        "carsel":"Maestro De Grado Jornada Completa","positionPointsShown":true})"));
    EXPECT_EQ(doc["thaberes"], "$ 2678,5902");
    EXPECT_EQ(doc["tdescuentos"], "$ 429,1321");
    EXPECT_EQ(doc["liquido"], "$ 2249,4581");
}

TEST(BatchRequest, FieldsUnderCargoOverrideTheCatalogueRow) {
    const auto r = results(R"({"categoria": "cargo", "codigo": "813", "cargo": {"jorcom": "0", "tardif": "150"}})");
    ASSERT_TRUE(r[0]["ok"].get<bool>());
    bool task = false, fullDay = false;
    for (const json& l : r[0]["lines"]) {
        task |= l["code"] == "016";
        fullDay |= l["concept"] == "Jornada completa";
    }
    EXPECT_TRUE(task);
    EXPECT_FALSE(fullDay);
    // Given explicitly, the same post computes the same receipt.
    const auto explicitFields = results(R"({"categoria":"cargo","cargo":{"codigocargo":"813","puntosbasicos":"971",
        "cargox":"Maestro De Grado Jornada Completa","punbas":"971","compbas":"170","proljor":"0","jorcom":"620",
        "tardif":"0"},"tramoantig":4,"Iosper":true,"APORTEJUB":true})");
    const auto byCode = results(R"({"categoria": "cargo", "codigo": "813", "tramoantig": 4, "Iosper": true, "APORTEJUB": true})");
    EXPECT_EQ(explicitFields[0], byCode[0]);
}

TEST(BatchRequest, UnknownCodeIsAFailedLookup) {
    const SelectedPosition none = positionForCode("601");
    EXPECT_EQ(none.codigocargo, "");
    EXPECT_EQ(none.punbas, "");
    const auto r = results(R"({"categoria": "cargo", "codigo": "601"})");
    EXPECT_EQ(r[0]["error"]["kind"], "type-mismatch");
    EXPECT_EQ(r[0]["error"]["field"], "punbas");
}

TEST(BatchRequest, MalformedRequestsAreBadRequests) {
    const struct {
        const char* line;
        const char* field;  // nullptr: none
    } cases[] = {
        {"not json", nullptr},
        {"[1, 2]", nullptr},
        {R"({"docente": 3})", "docente"},
        {R"({"Iosper": "si"})", "Iosper"},
        {R"({"tramoantig": 13})", "tramoantig"},
        {R"({"tramoantig": 4.5})", "tramoantig"},
        {R"({"zona": -2})", "zona"},
        {R"({"zona": 18446744073709551615})", "zona"},
        {R"({"categoria": "horas"})", "categoria"},
        {R"({"cargo": {"punbas": 971}})", "cargo.punbas"},
        {R"({"cargo": {"puntos": "971"}})", "cargo.puntos"},
        {R"({"sueldo": "1"})", "sueldo"},
        {R"({"codigo": 813})", "codigo"},
    };
    for (const auto& c : cases) {
        int status = 0;
        const auto r = results(c.line, &status);
        ASSERT_EQ(r.size(), 1u) << c.line;
        EXPECT_FALSE(r[0]["ok"].get<bool>()) << c.line;
        EXPECT_EQ(r[0]["error"]["kind"], "bad-request") << c.line;
        if (c.field) EXPECT_EQ(r[0]["error"]["field"], c.field) << c.line;
        else EXPECT_TRUE(r[0]["error"]["field"].is_null()) << c.line;
        EXPECT_FALSE(r[0]["error"]["message"].get<std::string>().empty());
        EXPECT_EQ(status, 1);
    }
}

TEST(BatchRequest, DefaultsAreTheWindowsStartState) {
    const auto none = results("{}");
    EXPECT_EQ(none[0]["error"]["kind"], "no-category");
    EXPECT_EQ(none[0]["error"]["message"], "No seleccionaste cargo ni horas");
    // Default hours "0" still compute; the incentive box starts ticked but hours ignore it.
    const auto hours = results(R"({"categoria": "horassup"})");
    ASSERT_TRUE(hours[0]["ok"].get<bool>());
    EXPECT_EQ(hours[0]["lines"][0]["quantity"], "0");
    EXPECT_EQ(hours[0]["header"]["carsel"], "Horas de nivel superior");
    EXPECT_EQ(hours[0]["docente"], "");
}

TEST(BatchRequest, SpouseLineHasNoQuantity) {
    const auto r = results(R"({"categoria": "horasmedio", "numerohorasmed": "12", "conyuge": true})");
    const json& last = r[0]["lines"].back();
    EXPECT_EQ(last["code"], "1010");
    EXPECT_TRUE(last["quantity"].is_null());
}

TEST(BatchRun, LinesAreIndependentAndStatusReportsFailures) {
    int status = -1;
    const auto r = results(
        "{\"categoria\": \"horasmedio\", \"numerohorasmed\": \"12\"}\n"
        "\n"
        "{\"categoria\": \"cargo\", \"codigo\": \"634\", \"transporte\": true, \"cantkm\": \"cien\"}\n"
        "{oops\n"
        "{\"categoria\": \"horasmedio\", \"numerohorasmed\": \"12,5\"}\n",
        &status);
    ASSERT_EQ(r.size(), 4u);
    EXPECT_TRUE(r[0]["ok"].get<bool>());
    EXPECT_EQ(r[1]["error"], json::parse(R"({"kind":"type-mismatch","field":"cantkm",
        "message":"El valor de \"Cantidad de km semanales\" no es un número válido. Corríjalo y vuelva a calcular."})"));
    EXPECT_EQ(r[2]["error"]["kind"], "bad-request");
    EXPECT_EQ(r[3]["lines"][0]["amount"], "567,0955");
    EXPECT_EQ(status, 1);

    int allGood = -1;
    results("{\"categoria\": \"horasmedio\"}\n{\"categoria\": \"horassup\"}\n", &allGood);
    EXPECT_EQ(allGood, 0);
}

TEST(BatchRun, OneRequestMaySpanSeveralLines) {
    const auto r = results("{\n  \"categoria\": \"cargo\",\n  \"codigo\": \"999\"\n}\n");
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0]["lines"][0]["amountText"], "$2205,9752");
}

TEST(BatchRun, FullStopSeparator) {
    const auto r = results(R"({"categoria": "horasmedio", "numerohorasmed": "12.5"})", nullptr, '.');
    EXPECT_EQ(r[0]["lines"][0]["amount"], "567.0955");
    const auto comma = results(R"({"categoria": "horasmedio", "numerohorasmed": "12.5"})", nullptr, ',');
    EXPECT_EQ(comma[0]["error"]["kind"], "type-mismatch");
}

// The program itself, on the README's batch file.
std::string runProgram(const std::string& args, int& status) {
    const std::string command = std::string(SUELDARA_RECIBO) + " " + args + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
    status = WEXITSTATUS(pclose(pipe));
    return out;
}

TEST(BatchProgram, ComputesAFileOfRequests) {
    int status = -1;
    const std::string out = runProgram(std::string(SUELDARA_EXAMPLES) + "/batch.jsonl", status);
    EXPECT_EQ(status, 1);  // the third request has an invalid entry
    std::istringstream lines(out);
    std::vector<json> docs;
    for (std::string line; std::getline(lines, line);) docs.push_back(json::parse(line));
    ASSERT_EQ(docs.size(), 3u);
    EXPECT_EQ(docs[0]["liquido"], "$ 2249,4581");
    EXPECT_TRUE(docs[1]["ok"].get<bool>());
    EXPECT_EQ(docs[2]["error"]["field"], "cantkm");
}

TEST(BatchProgram, TextFormatUsageErrorsAndPostList) {
    int status = -1;
    const std::string text = runProgram("--format text " + std::string(SUELDARA_EXAMPLES) + "/typical.json", status);
    EXPECT_EQ(status, 0);
    EXPECT_NE(text.find("Recibo de sueldos de: Pérez, Ana"), std::string::npos);
    EXPECT_NE(text.find("Liquido a pagar"), std::string::npos);
    EXPECT_NE(text.find("$ 2249,4581"), std::string::npos);

    runProgram("--bogus", status);
    EXPECT_EQ(status, 2);
    runProgram("--decimal-separator ';'", status);
    EXPECT_EQ(status, 2);
    runProgram("/no/such/file.jsonl", status);
    EXPECT_EQ(status, 2);

    const std::string posts = runProgram("--list-posts", status);
    EXPECT_EQ(status, 0);
    std::istringstream lines(posts);
    std::vector<json> rows;
    for (std::string line; std::getline(lines, line);) rows.push_back(json::parse(line));
    ASSERT_EQ(rows.size(), 311u);
    EXPECT_EQ(rows[0], json::parse(R"({"codigocargo":"999","cargox":"Analista Princ Tec Doc","puntosbasicos":"3146",
        "proljornada":"0","jorcompleta":"0","tareadif":"0","compbasico":"0"})"));
    EXPECT_EQ(rows[157]["codigocargo"], "813");
    const std::string table = runProgram("--list-posts --format text", status);
    EXPECT_NE(table.find("813     Maestro De Grado Jornada Completa"), std::string::npos);
}

}  // namespace
}  // namespace sueldara::batch
