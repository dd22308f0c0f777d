// Checks the catalogue table itself: the published list of codes and names, the forms and
// ranges of the point values, the counts of each kind of extra points and the rows whose
// values are published in full.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <ostream>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "position_catalogue.h"

namespace sueldara {
namespace {

// The published list: code and name of every row, in row order.
struct CodeAndName {
    std::string_view code;
    std::string_view name;
};

constexpr CodeAndName kPublishedList[] = {
    {"999", "Analista Princ Tec Doc"},
    {"985", "Analista Técnico"},
    {"645", "Asesor Pedag Proyecto 13"},
    {"604", "Asesor Pedagógico"},
    {"788", "Asesor Psicología Educativa"},
    {"703", "Asesores"},
    {"734", "Asistente Social"},
    {"928", "Asistente Social"},
    {"651", "Auxiliar De Acciones No Formales"},
    {"638", "Ayte Tec De Trab Pract/Laboratorio"},
    {"646", "Ayudante Clases Practicas (14 Hs)"},
    {"695", "Ayudante De Cátedra"},
    {"936", "Bedel"},
    {"633", "Bibliotecario"},
    {"750", "Bibliotecario"},
    {"925", "Bibliotecario"},
    {"996", "Bibliotecario"},
    {"934", "Bibliotecario Instituto Superior"},
    {"760", "Bibliotecario Pedagógico"},
    {"779", "CAPACITADORES CENTROS LABORALES   Mecl"},
    {"822", "Celador Anexo Albergue"},
    {"781", "Coord. Dptal. De Centros P/Adultos"},
    {"844", "Coordinador Centro Comunitario"},
    {"761", "Coordinador Centro Laboral"},
    {"650", "Coordinador De Acciones No Formales"},
    {"762", "Coordinador Departamental"},
    {"706", "Coordinador Hogar Escuela"},
    {"827", "Coordinador Provincial Del Programa"},
    {"832", "Coordinador Zonal Educación Adultos"},
    {"998", "Director"},
    {"609", "Director 1era Categoría"},
    {"808", "Director 1era Categoría Jornada Completa"},
    {"817", "Director 2da Anexo Albergue"},
    {"611", "Director 2da Categoría"},
    {"809", "Director 2da Categoría Jornada Completa"},
    {"613", "Director 3era Categoría"},
    {"820", "Director 3era Categoría Anexo Albergue"},
    {"810", "Director 3era Categoría Jornada Completa"},
    {"821", "Director 4ta Categoría Anexo Albergue"},
    {"811", "Director 4ta Categoría Jornada Completa"},
    {"909", "Director Cuarta Categoría"},
    {"648", "Director De 1° C.E.F."},
    {"672", "Director De 1era A/C De 2 Turnos Con P. De Jorn"},
    {"686", "Director De 1era Cat. A/C De 3 Turnos Con P. De Jorn."},
    {"667", "Director De 1era Cat. Con Prolong. De Jorn."},
    {"673", "Director De 2da A/C De 2 Turnos Con P. De Jorn."},
    {"687", "Director De 2da Cat. A/C De 3 Turnos Con P. De Jorn."},
    {"668", "Director De 2da Cat. Con Prolong. De Jorn."},
    {"674", "Director De 3era A/C De 2 Turnos Con P. De Jorn."},
    {"688", "Director De 3era Cat. A/C De 3 Turnos Con P. De Jorn."},
    {"669", "Director De 3era Cat. Con Prolong. De Jorn."},
    {"794", "Director Dpto. Aplicación"},
    {"978", "Director Dpto. Aplicación L. V."},
    {"705", "Director Esc. 2da Cat. Esc. Anexas FFAA"},
    {"945", "Director Esc. 2da Categoría Jornada Completa"},
    {"956", "Director Esc. 3era Cat. Jornada Completa"},
    {"704", "Director Esc. 3ra Cat. Esc. Anexas FFAA"},
    {"941", "Director Esc. Capacitación Técnica 1era Categoría"},
    {"942", "Director Esc. Capacitación Técnica 2da Categoría"},
    {"940", "Director Esc. Capacitación Técnica 3era Categoría"},
    {"912", "Director Esc. Nivel Inicial 2da Categoría"},
    {"972", "Director Esc. Nivel Inicial 3era Categoría"},
    {"973", "Director Esc. Nivel Inicial 4ta Categoría"},
    {"716", "Director Escuela 1era Categoría"},
    {"719", "Director Escuela 2da Categoría"},
    {"722", "Director Escuela 3era Categoría"},
    {"725", "Director Escuela 4ta Categoría"},
    {"729", "Director Escuela Adultos 1era Categoría"},
    {"731", "Director Escuela Adultos 2da Categoría"},
    {"911", "Director Escuela Adultos 2da Categoría"},
    {"930", "Director Escuela Capacitación Técnica 4ta Categoría"},
    {"724", "Director Escuela Cárcel"},
    {"730", "Director Escuela Coral"},
    {"773", "Director Escuela Diferenciada Jornada Completa"},
    {"721", "Director Escuela Educación Especial"},
    {"910", "Director Escuela Educación Especial"},
    {"959", "Director Escuela Enfermería"},
    {"728", "Director Escuela Maternal"},
    {"753", "Director Escuela Para Ciegos"},
    {"766", "Director Escuela Para Sordos"},
    {"717", "Director Gabinete De Psicometría"},
    {"981", "Director Jardín De Infantes"},
    {"718", "Director Nivel Inicial 1era Categoría"},
    {"720", "Director Nivel Inicial 2da Categoría"},
    {"778", "Director Nivel Inicial 3era Categoría"},
    {"736", "Director Parque Escolar \"Talvaro\""},
    {"842", "Director Personal Único"},
    {"968", "Director Personal Único"},
    {"906", "Director Primera Categoría"},
    {"907", "Director Segunda Categoría"},
    {"908", "Director Tercera Categoría"},
    {"988", "Director/Rector 1§ - 2 Turnos"},
    {"989", "Director/Rector 1§ - 3 Turnos"},
    {"831", "Educador De Adultos"},
    {"943", "Fonoaudiologo"},
    {"764", "Fonoaudiólogo"},
    {"647", "Instructor Complejo Agrario"},
    {"652", "Instructor Esc. Agropecuarias"},
    {"963", "Instructor Instituto Superior"},
    {"675", "Jefe Agropecuario 1era Cat. Con Prolong. De Jorn."},
    {"616", "Jefe Agropecuario 1era Categoría"},
    {"676", "Jefe Agropecuario 2da Cat. Con Prolong. De Jorn."},
    {"617", "Jefe Agropecuario 2da Categoría"},
    {"677", "Jefe Agropecuario 3era Cat. Con Prolong. De Jorn."},
    {"618", "Jefe Agropecuario 3era Categoría"},
    {"637", "Jefe De Ens Practica"},
    {"636", "Jefe De Laboratorio"},
    {"659", "Jefe De Preceptores 1era Cat."},
    {"660", "Jefe De Preceptores 2da Y 3era Cat."},
    {"600", "Jefe De Preceptores De 2da Y 3ra Categoría"},
    {"662", "Jefe De Preceptores J. C. Agraria"},
    {"708", "Jefe Departamento Técnico"},
    {"960", "Jefe Docente Escuela Enfermería"},
    {"780", "Jefe Dpto Pedagógico Y Supervisión"},
    {"980", "Jefe Dpto. Educación Física"},
    {"664", "Jefe Dpto. Educación Física (Transformado) 971 + 620"},
    {"900", "Jefe Dpto. Pedagógico Y De Supervisión"},
    {"698", "Jefe Gral. De Ens. Practica 1era Cat."},
    {"699", "Jefe Gral. De Ens. Practica 2da Cat."},
    {"663", "Jefe Gral. De Enseñanza Practica 3ra Cat."},
    {"679", "Jefe Intern. 1era Cat. Esc. Agrop. Con P. De Jorn."},
    {"680", "Jefe Intern. 2da Cat. Esc. Agrop. Con P. De Jorn."},
    {"681", "Jefe Intern. 3era Cat. Esc. Agrop. Con P. De Jorn."},
    {"692", "Jefe Intern. Esc. Técnica 1era Cat. Con Prol. De Jorn."},
    {"693", "Jefe Intern. Esc. Técnica 2da Cat. Con Prol. De Jorn."},
    {"694", "Jefe Intern. Esc. Técnica 3era Cat. Con Prol. De Jorn."},
    {"623", "Jefe Internado 1era Categoría"},
    {"641", "Jefe Internado 2da Categoría"},
    {"624", "Jefe Internado 3era Categoría"},
    {"967", "Jefe Laboratorio Computación"},
    {"678", "Jefe Sección Esc. Agrop. Con Prolong. De Jorn."},
    {"619", "Jefe Sección Esc. Agropecuaria"},
    {"691", "Jefe Sectorial De Jornada Completa Agraria"},
    {"654", "Jefe Taller Esc. Técnica 1era Categoría"},
    {"655", "Jefe Taller Esc. Técnica 2da Categoría"},
    {"653", "Jefe Taller Esc. Técnica 3era Categoría"},
    {"997", "Jefe Trabajos Prácticos"},
    {"974", "Kinesiólogo"},
    {"746", "Maestro Auxiliar Escuela Diferenciada"},
    {"771", "Maestro Auxiliar Escuela Diferenciada Jornada Completa"},
    {"629", "Maestro Ayud Ens Pract 1ra 2da 3ra"},
    {"740", "Maestro Carcelario"},
    {"977", "Maestro De Actividades Practicas"},
    {"952", "Maestro De Actividades Practicas Jornada Completa"},
    {"649", "Maestro De Ciclo E.G.B."},
    {"922", "Maestro De Educación Física"},
    {"947", "Maestro De Educación Física Jornada Completa"},
    {"976", "Maestro De Educación Musical"},
    {"953", "Maestro De Educación Musical Jornada Completa"},
    {"634", "Maestro De Grado"},
    {"749", "Maestro De Grado"},
    {"921", "Maestro De Grado Adultos"},
    {"818", "Maestro De Grado Anexo Albergue"},
    {"739", "Maestro De Grado Diferenciado"},
    {"918", "Maestro De Grado Diferenciado"},
    {"702", "Maestro De Grado Esc. Anexas FFAA"},
    {"917", "Maestro De Grado Esc. Primaria"},
    {"813", "Maestro De Grado Jornada Completa"},
    {"946", "Maestro De Grado Jornada Completa"},
    {"983", "Maestro De Grado L.V."},
    {"920", "Maestro De Grupo Esc. Diferenciada"},
    {"919", "Maestro De Jardín De Infantes"},
    {"732", "Maestro Domiciliario"},
    {"797", "Maestro Dpto. Aplicación"},
    {"747", "Maestro Educación Física"},
    {"622", "Maestro Ens Pract - 1ra 2da 3ra"},
    {"621", "Maestro Ens Pract - Jefe Sección"},
    {"931", "Maestro Esc. Capacitación Técnica"},
    {"735", "Maestro Escuela Diferenciada"},
    {"969", "Maestro Escuela Especial"},
    {"743", "Maestro Escuela Maternal"},
    {"754", "Maestro Escuela Nocturna"},
    {"984", "Maestro Esp Dpto. Aplicación L.V."},
    {"819", "Maestro Esp. Activ. Practicas Anexo Albergue"},
    {"772", "Maestro Especial Act. Pract. Diferenciada J. Completa"},
    {"742", "Maestro Especial Actividad Practicas Diferenciada"},
    {"755", "Maestro Especial Actividades Practicas"},
    {"757", "Maestro Especial Actividades Practicas Adulto"},
    {"814", "Maestro Especial De Act. Practicas Jorn. Completa"},
    {"776", "Maestro Especial De Taller"},
    {"777", "Maestro Especial De Taller Anexo Albergue"},
    {"839", "Maestro Especial De Taller Jornada Completa"},
    {"837", "Maestro Especial Educación Fisica Anexo Albergue"},
    {"768", "Maestro Especial Educación Física Diferenciado"},
    {"834", "Maestro Especial Educación Fisica Jorn. Completa"},
    {"763", "Maestro Especial Educación Musical"},
    {"783", "Maestro Especial Educación Musical Adultos"},
    {"836", "Maestro Especial Educación Musical Anexo Albergue"},
    {"737", "Maestro Especial Educación Musical Diferenciado"},
    {"833", "Maestro Especial Educación Musical Jornada Completa"},
    {"745", "Maestro Especial Escuela Coral"},
    {"986", "Maestro Especial Jardín de Infantes"},
    {"835", "Maestro Especial Jornada Simple Sin Prolongacion De Jornada"},
    {"758", "Maestro Especial Técnico Agropecuario"},
    {"840", "Maestro Especial Técnico Agropecuario Jorn. Completa"},
    {"849", "Maestro Grado Egb3 (Primaria)"},
    {"759", "Maestro Hospitalario"},
    {"738", "Maestro Jardín De Infantes"},
    {"987", "Maestro Jardín De Infantes"},
    {"815", "Maestro Jardín De Infantes Jornada Completa"},
    {"923", "Maestro Materias Especiales"},
    {"798", "Maestro Materias Especiales Dpto. Aplicación"},
    {"924", "Maestro Materias Especiales Esc. Diferenciada"},
    {"789", "Maestro Nivelador"},
    {"955", "Maestro Nivelador"},
    {"975", "Maestro Orientador"},
    {"628", "Maestro Tecnológico Y Especialidades"},
    {"632", "Preceptor"},
    {"642", "Preceptor Ayudante De Internado 2da Categoría"},
    {"682", "Preceptor Ayudante Intern. 1era Cat. Con P. De Jorn. (Pasó A 684)"},
    {"683", "Preceptor Ayudante Intern. 2da Cat. Con P. De Jorn. (Pasó A 684)"},
    {"689", "Preceptor Ayudante Intern. Esc. Técnica (Pasó A 684)"},
    {"684", "Preceptor Ayudante Internado"},
    {"630", "Preceptor Ayudante Internado 1era Categoría"},
    {"631", "Preceptor Ayudante Internado 3era Categoría"},
    {"929", "Preceptor Esc. Diferenciada"},
    {"970", "Preceptor Guía Internado Instituto Superior"},
    {"935", "Preceptor Instituto Superior"},
    {"937", "Preceptor Instituto Superior - Privada"},
    {"657", "Prosecretario 1era Cat."},
    {"658", "Prosecretario 2da Y 3era Cat."},
    {"995", "Prosecretario Nivel Superior"},
    {"765", "Psicólogo"},
    {"926", "Psicólogo"},
    {"751", "Psicopedagogo"},
    {"951", "Psicopedagogo"},
    {"993", "Rector Curso Prof."},
    {"932", "Rector Instituto Superior"},
    {"640", "Rector Proyecto 13"},
    {"991", "Regente"},
    {"696", "Regente De 3era Cat."},
    {"612", "Regente Esc. Técnica 1era Categoría"},
    {"620", "Regente Esc. Técnica 2da Categoría"},
    {"603", "Resp. Área Asistemático y Sistemática"},
    {"830", "Responsable Zonal O Sectorial"},
    {"625", "Secretario 1era Categoría"},
    {"824", "Secretario 1era Categoría Jornada Completa"},
    {"626", "Secretario 2da Categoría"},
    {"825", "Secretario 2da Categoría Jornada Completa"},
    {"627", "Secretario 3era Categoría"},
    {"826", "Secretario 3era Categoría Jornada Completa"},
    {"966", "Secretario Académico"},
    {"962", "Secretario Administrativo Escuela Enfermería"},
    {"784", "Secretario De Supervisión"},
    {"769", "Secretario Docente"},
    {"606", "Secretario Docente D.E.M.Y.A."},
    {"961", "Secretario Docente Escuela Enfermería"},
    {"715", "Secretario Docente Hogar Escuela"},
    {"958", "Secretario Docente Privada"},
    {"965", "Secretario Docente Superior"},
    {"796", "Secretario Dpto. Aplicación"},
    {"916", "Secretario Esc. 2da Categoría"},
    {"944", "Secretario Esc. Primaria 1era Categoría"},
    {"744", "Secretario Escuela 1era Categoría"},
    {"741", "Secretario Escuela 2da Categoría"},
    {"843", "Secretario Escuela 3era Categoría"},
    {"748", "Secretario Escuela Adultos"},
    {"775", "Secretario Escuela Diferenciada"},
    {"971", "Secretario Escuela Especial"},
    {"933", "Secretario Instituto Superior"},
    {"994", "Secretario Nivel Superior"},
    {"756", "Secretario Parque Escolar"},
    {"905", "Secretario Técnico Dpto. Pedagógico"},
    {"979", "Subdirector Dpto. Aplicación L.V."},
    {"982", "Subdirector Jardín De Infantes"},
    {"639", "Subjefe De Precept 1ra Cat"},
    {"661", "Subjefe De Preceptores 1era Cat."},
    {"697", "Subregente De 1era Cat."},
    {"792", "Supervisor Bibliotecas Escolares"},
    {"605", "Supervisor D.E.M.Y.A."},
    {"712", "Supervisor De Actividades Practicas"},
    {"711", "Supervisor De Educación Física"},
    {"713", "Supervisor De Educación Musical"},
    {"710", "Supervisor De Enseñanza Especial"},
    {"709", "Supervisor De Enseñanza Primaria"},
    {"770", "Supervisor Enseñanza Adultos"},
    {"902", "Supervisor Enseñanza Especial"},
    {"903", "Supervisor Enseñanza Primaria"},
    {"901", "Supervisor Instituto Superior"},
    {"791", "Supervisor Nivel Inicial"},
    {"793", "Supervisor Técnico"},
    {"828", "Técnico Del Programa 35 Hs"},
    {"726", "Técnico Diferenciado"},
    {"714", "Técnico Docente"},
    {"829", "Técnico Docente 20 Hs"},
    {"752", "Técnico Docente Enseñanza Especial"},
    {"608", "Técnico Pedagógico"},
    {"614", "Vicedirector 1era Categoría"},
    {"823", "Vicedirector 1era Categoría Jornada Completa"},
    {"990", "Vicedirector 1ra Y 2da"},
    {"615", "Vicedirector 2da Categoría"},
    {"812", "Vicedirector 2da Categoría Jornada Completa"},
    {"643", "Vicedirector 3era Categoría"},
    {"670", "Vicedirector De 1era Cat. Con Prolong. De Jorn."},
    {"671", "Vicedirector De 2da Cat. Con Prolong. De Jorn."},
    {"795", "Vicedirector Dpto. Aplicación De 2da Categoría "},
    {"954", "Vicedirector Esc. 2da Categoría Jornada Completa"},
    {"685", "Vicedirector Esc. 3era Cat. Con Prolong. De Jorn."},
    {"915", "Vicedirector Esc. Educación Especial"},
    {"913", "Vicedirector Esc. Primaria 1era Categoría"},
    {"914", "Vicedirector Esc. Primaria 2da Categoría"},
    {"957", "Vicedirector Esc. Técnica 1era Categoría"},
    {"723", "Vicedirector Escuela 1era Categoría"},
    {"727", "Vicedirector Escuela 2da Categoría"},
    {"774", "Vicedirector Escuela Diferenciada Jornada Completa"},
    {"767", "Vicedirector Escuela Enseñanza Especial"},
    {"816", "Vicedirector Nivel Inicial 2da Categoría"},
    {"992", "Vicerector Curso Prof."},
    {"904", "Vicerector Instituto Superior"},
    {"644", "Vicerector Proyecto 13"},
    {"733", "Visitador"},
};

static_assert(std::size(kPublishedList) == PositionCatalogue::kRowCount);

// Numbers are decimal digits only, no sign, no separators and no leading zeros ("0" for zero).
bool isPlainNumber(std::string_view text) {
    if (text.empty() || text.size() > 4) {
        return false;
    }
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return false;
    }
    return text.size() == 1 || text.front() != '0';
}

int number(std::string_view text) {
    return std::stoi(std::string(text));
}

bool nonzero(std::string_view text) { return text != "0"; }

bool contains(std::string_view name, std::string_view part) { return name.find(part) != std::string_view::npos; }

bool containsAny(std::string_view name, std::span<const std::string_view> parts) {
    return std::any_of(parts.begin(), parts.end(), [&](std::string_view p) { return contains(name, p); });
}

constexpr std::array<std::string_view, 4> kFullDayMarks = {"Jornada Completa", "Jorn. Completa", "J. Completa",
                                                          "Anexo Albergue"};
constexpr std::array<std::string_view, 3> kProlongedDayMarks = {"Prolong. De Jorn", "P. De Jorn", "Prol. De Jorn"};

const std::vector<Position>& allRows() {
    static const std::vector<Position> rows(PositionCatalogue::rows().begin(), PositionCatalogue::rows().end());
    return rows;
}

TEST(CatalogueData, HasTheFixedNumberOfRows) {
    EXPECT_EQ(PositionCatalogue::rows().size(), 311u);
    EXPECT_EQ(PositionCatalogue::kRowCount, 311u);
}

TEST(CatalogueData, CodesAndNamesAreThePublishedListInOrder) {
    const auto rows = PositionCatalogue::rows();
    ASSERT_EQ(rows.size(), std::size(kPublishedList));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].codigocargo, kPublishedList[i].code) << "row " << i;
        EXPECT_EQ(rows[i].cargox, kPublishedList[i].name) << "row " << i;
    }
}

TEST(CatalogueData, CodesAreUniqueThreeDigitNumbersFrom600To999) {
    std::set<std::string_view> seen;
    for (std::size_t i = 0; i < allRows().size(); ++i) {
        const std::string_view code = allRows()[i].codigocargo;
        ASSERT_EQ(code.size(), 3u) << "row " << i;
        EXPECT_TRUE(std::all_of(code.begin(), code.end(), [](char c) { return c >= '0' && c <= '9'; })) << code;
        EXPECT_GE(code, "600") << "row " << i;
        EXPECT_LE(code, "999") << "row " << i;
        EXPECT_TRUE(seen.insert(code).second) << "code " << code << " repeats at row " << i;
    }
    // 311 of the 400 codes from 600 to 999 are used, so 89 are free.
    EXPECT_EQ(400 - seen.size(), 89u);
}

// Names are at most 65 characters, all of them representable in Windows-1252.
TEST(CatalogueData, NamesAreShortLatinText) {
    for (std::size_t i = 0; i < allRows().size(); ++i) {
        const std::string_view name = allRows()[i].cargox;
        std::size_t characters = 0;
        for (std::size_t k = 0; k < name.size(); ++k) {
            const auto byte = static_cast<unsigned char>(name[k]);
            if (byte >= 0x80) {
                // Only two-byte sequences for U+0080..U+00FF (lead byte C2 or C3).
                ASSERT_TRUE((byte == 0xC2 || byte == 0xC3) && k + 1 < name.size() &&
                            (static_cast<unsigned char>(name[k + 1]) & 0xC0) == 0x80)
                    << "row " << i << " \"" << name << '"';
                ++k;
            } else {
                EXPECT_GE(byte, 0x20) << "control character in row " << i;
            }
            ++characters;
        }
        EXPECT_LE(characters, 65u) << "row " << i;
        EXPECT_FALSE(name.empty()) << "row " << i;
    }
}

TEST(CatalogueData, NamesKeepTheirUnusualCharacters) {
    EXPECT_EQ(PositionCatalogue::rowAt(19).cargox, "CAPACITADORES CENTROS LABORALES   Mecl");
    EXPECT_EQ(PositionCatalogue::rowAt(41).cargox, "Director De 1\u00b0 C.E.F.");
    EXPECT_EQ(PositionCatalogue::rowAt(85).cargox, "Director Parque Escolar \"Talvaro\"");
    EXPECT_EQ(PositionCatalogue::rowAt(91).cargox, "Director/Rector 1\u00a7 - 2 Turnos");
    EXPECT_EQ(PositionCatalogue::rowAt(295).cargox, "Vicedirector Dpto. Aplicaci\u00f3n De 2da Categor\u00eda ");
    EXPECT_EQ(PositionCatalogue::rowAt(233).cargox, "Resp. \u00c1rea Asistem\u00e1tico y Sistem\u00e1tica");
}

struct ValueRule {
    const char* column;
    std::string_view Position::*field;
    int low;
    int high;
    std::set<int> allowed;  // empty: any whole number from low to high
};

void PrintTo(const ValueRule& rule, std::ostream* os) { *os << rule.column; }

class CatalogueValues : public ::testing::TestWithParam<ValueRule> {};

TEST_P(CatalogueValues, ArePlainNumbersFromTheirSet) {
    const ValueRule& rule = GetParam();
    int seenLow = rule.high;
    int seenHigh = rule.low;
    for (std::size_t i = 0; i < allRows().size(); ++i) {
        const std::string_view text = allRows()[i].*rule.field;
        ASSERT_TRUE(isPlainNumber(text)) << rule.column << " row " << i << ": \"" << text << '"';
        const int value = number(text);
        EXPECT_GE(value, rule.low) << rule.column << " row " << i;
        EXPECT_LE(value, rule.high) << rule.column << " row " << i;
        if (!rule.allowed.empty()) {
            EXPECT_TRUE(rule.allowed.count(value)) << rule.column << " row " << i << ": " << value;
        }
        seenLow = std::min(seenLow, value);
        seenHigh = std::max(seenHigh, value);
    }
    // The ranges are those of the data: both ends occur.
    EXPECT_EQ(seenLow, rule.low) << rule.column;
    EXPECT_EQ(seenHigh, rule.high) << rule.column;
}

INSTANTIATE_TEST_SUITE_P(
    CatalogueColumns, CatalogueValues,
    ::testing::Values(
        ValueRule{"puntosbasicos", &Position::puntosbasicos, 574, 3429, {}},
        ValueRule{"proljornada", &Position::proljornada, 0, 830,
                  {0, 42, 100, 200, 300, 580, 590, 600, 620, 708, 725, 750, 830}},
        ValueRule{"jorcompleta", &Position::jorcompleta, 0, 839, {0, 155, 620, 657, 659, 663, 669, 839}},
        ValueRule{"tareadif", &Position::tareadif, 0, 150, {0, 17, 20, 150}},
        ValueRule{"compbasico", &Position::compbasico, 0, 779, {}}),
    [](const ::testing::TestParamInfo<ValueRule>& info) { return std::string(info.param.column); });

TEST(CatalogueData, ExtraPointsOfEachKindAreCountedAndNeverCombined) {
    int prolonged = 0, fullDay = 0, task = 0, complement = 0, basicOnly = 0;
    for (std::size_t i = 0; i < allRows().size(); ++i) {
        const Position& r = allRows()[i];
        const bool p = nonzero(r.proljornada), f = nonzero(r.jorcompleta), t = nonzero(r.tareadif);
        const bool c = nonzero(r.compbasico);
        EXPECT_LE(int(p) + int(f) + int(t), 1) << "row " << i << " \"" << r.cargox << "\" has two kinds of extra points";
        prolonged += p;
        fullDay += f;
        task += t;
        complement += c;
        basicOnly += !(p || f || t || c);
    }
    EXPECT_EQ(prolonged, 34);
    EXPECT_EQ(fullDay, 35);
    EXPECT_EQ(task, 51);
    EXPECT_EQ(complement, 270);
    EXPECT_EQ(basicOnly, 37);
}

struct FullRow {
    std::size_t index;
    Position values;
};

constexpr FullRow kFullRows[] = {
    {0, {"999", "Analista Princ Tec Doc", "3146", "0", "0", "0", "0"}},
    {5, {"703", "Asesores", "3429", "0", "0", "0", "0"}},
    {6, {"734", "Asistente Social", "1500", "0", "0", "150", "101"}},
    {7, {"928", "Asistente Social", "1500", "0", "0", "150", "101"}},
    {13, {"633", "Bibliotecario", "941", "0", "0", "0", "174"}},
    {16, {"996", "Bibliotecario", "1480", "0", "0", "0", "104"}},
    {19, {"779", "CAPACITADORES CENTROS LABORALES   Mecl", "853", "0", "0", "0", "779"}},
    {20, {"822", "Celador Anexo Albergue", "971", "0", "155", "0", "170"}},
    {32, {"817", "Director 2da Anexo Albergue", "1782", "0", "839", "0", "64"}},
    {42, {"672", "Director De 1era A/C De 2 Turnos Con P. De Jorn", "2000", "300", "0", "0", "36"}},
    {44, {"667", "Director De 1era Cat. Con Prolong. De Jorn.", "2000", "830", "0", "0", "36"}},
    {115, {"664", "Jefe Dpto. Educación Física (Transformado) 971 + 620", "971", "620", "0", "0", "170"}},
    {149, {"634", "Maestro De Grado", "971", "0", "0", "0", "170"}},
    {157, {"813", "Maestro De Grado Jornada Completa", "971", "0", "620", "0", "170"}},
    {197, {"738", "Maestro Jardín De Infantes", "971", "0", "0", "17", "170"}},
    {198, {"987", "Maestro Jardín De Infantes", "1170", "0", "0", "0", "144"}},
    {212, {"684", "Preceptor Ayudante Internado", "1170", "580", "0", "0", "144"}},
    {247, {"715", "Secretario Docente Hogar Escuela", "1912", "42", "0", "0", "47"}},
    {273, {"710", "Supervisor De Enseñanza Especial", "2913", "0", "0", "20", "0"}},
    {310, {"733", "Visitador", "1150", "0", "0", "0", "147"}},
};

TEST(CatalogueData, PublishedRowsHaveAllTheirValues) {
    for (const FullRow& expected : kFullRows) {
        SCOPED_TRACE("row " + std::to_string(expected.index));
        const Position& row = PositionCatalogue::rowAt(expected.index);
        EXPECT_EQ(row.codigocargo, expected.values.codigocargo);
        EXPECT_EQ(row.cargox, expected.values.cargox);
        EXPECT_EQ(row.puntosbasicos, expected.values.puntosbasicos);
        EXPECT_EQ(row.proljornada, expected.values.proljornada);
        EXPECT_EQ(row.jorcompleta, expected.values.jorcompleta);
        EXPECT_EQ(row.tareadif, expected.values.tareadif);
        EXPECT_EQ(row.compbasico, expected.values.compbasico);
    }
}

TEST(CatalogueData, TwelveNamesRepeatAndNoOthers) {
    std::map<std::string_view, int> counts;
    for (const Position& r : allRows()) {
        ++counts[r.cargox];
    }
    std::map<std::string_view, int> repeated;
    for (const auto& [name, count] : counts) {
        if (count > 1) {
            repeated[name] = count;
        }
    }
    const std::map<std::string_view, int> expected = {
        {"Asistente Social", 2},
        {"Bibliotecario", 4},
        {"Director Escuela Adultos 2da Categor\u00eda", 2},
        {"Director Escuela Educaci\u00f3n Especial", 2},
        {"Director Personal \u00danico", 2},
        {"Maestro De Grado", 2},
        {"Maestro De Grado Diferenciado", 2},
        {"Maestro De Grado Jornada Completa", 2},
        {"Maestro Jard\u00edn De Infantes", 2},
        {"Maestro Nivelador", 2},
        {"Psicopedagogo", 2},
        {"Psic\u00f3logo", 2},
    };
    EXPECT_EQ(repeated, expected);
}

TEST(CatalogueData, FonoaudiologoIsListedUnderBothSpellings) {
    const Position& plain = PositionCatalogue::rowAt(94);
    const Position& accented = PositionCatalogue::rowAt(95);
    EXPECT_EQ(plain.cargox, "Fonoaudiologo");
    EXPECT_EQ(plain.codigocargo, "943");
    EXPECT_EQ(accented.cargox, "Fonoaudi\u00f3logo");
    EXPECT_EQ(accented.codigocargo, "764");
}

TEST(CatalogueData, BibliotecarioRowsAreFourDistinctPosts) {
    const std::array<std::string_view, 4> codes = {"633", "750", "925", "996"};
    for (std::size_t k = 0; k < codes.size(); ++k) {
        const Position& row = PositionCatalogue::rowAt(13 + k);
        EXPECT_EQ(row.cargox, "Bibliotecario");
        EXPECT_EQ(row.codigocargo, codes[k]);
        if (k == 3) {
            EXPECT_EQ(row.puntosbasicos, "1480");
        } else {
            EXPECT_TRUE(row.puntosbasicos == "941" || row.puntosbasicos == "971") << row.puntosbasicos;
        }
    }
}

TEST(CatalogueData, TransformedPhysicalEducationHeadHas971Plus620) {
    const Position& row = PositionCatalogue::rowAt(115);
    EXPECT_EQ(row.puntosbasicos, "971");
    EXPECT_EQ(row.proljornada, "620");
}

// Posts whose names say full day or prolonged day carry those points (a special-education
// full-day post may carry the task points instead); posts that say neither carry no full-day points.
TEST(CatalogueData, ExtraPointsFitThePostNames) {
    for (std::size_t i = 0; i < allRows().size(); ++i) {
        const Position& r = allRows()[i];
        SCOPED_TRACE("row " + std::to_string(i) + " \"" + std::string(r.cargox) + '"');
        if (containsAny(r.cargox, kProlongedDayMarks)) {
            EXPECT_TRUE(nonzero(r.proljornada));
        }
        if (containsAny(r.cargox, kFullDayMarks)) {
            EXPECT_TRUE(nonzero(r.jorcompleta) || nonzero(r.tareadif));
        } else {
            EXPECT_FALSE(nonzero(r.jorcompleta));
        }
        if (contains(r.cargox, "Sin Prolongacion")) {
            EXPECT_FALSE(nonzero(r.proljornada));
        }
    }
}

// A post and its full-day twin ("... Jornada Completa", "... Anexo Albergue") share their basic
// points; where the plain name occurs twice, the twin matches one of them.
TEST(CatalogueData, FullDayTwinsShareTheBasicPoints) {
    int twins = 0;
    for (const Position& twin : allRows()) {
        for (std::string_view mark : kFullDayMarks) {
            // The mark ends the name and is preceded by a blank.
            const std::string_view name = twin.cargox;
            if (!name.ends_with(mark) || name.size() <= mark.size() || name[name.size() - mark.size() - 1] != ' ') {
                continue;
            }
            const std::string_view base = name.substr(0, name.size() - mark.size() - 1);
            bool found = false, matches = false;
            for (const Position& plain : allRows()) {
                if (plain.cargox == base) {
                    found = true;
                    matches = matches || plain.puntosbasicos == twin.puntosbasicos;
                }
            }
            if (found) {
                ++twins;
                EXPECT_TRUE(matches) << '"' << twin.cargox << "\" and \"" << base << '"';
            }
        }
    }
    EXPECT_GE(twins, 20);
}

bool startsWithAny(std::string_view name, std::initializer_list<std::string_view> heads) {
    return std::any_of(heads.begin(), heads.end(), [&](std::string_view h) { return name.starts_with(h); });
}

TEST(CatalogueData, DirectorsAndSupervisorsScoreAboveTeachersAndAssistants) {
    int lowestHead = 99999, highestTeacher = 0;
    for (const Position& r : allRows()) {
        const int basic = number(r.puntosbasicos);
        if (startsWithAny(r.cargox, {"Director", "Vicedirector", "Subdirector", "Supervisor", "Rector", "Vicerector"})) {
            lowestHead = std::min(lowestHead, basic);
        }
        if (startsWithAny(r.cargox, {"Maestro", "Preceptor", "Ayudante", "Ayte", "Auxiliar", "Celador", "Bedel"})) {
            highestTeacher = std::max(highestTeacher, basic);
        }
    }
    EXPECT_GT(lowestHead, highestTeacher);
}

}  // namespace
}  // namespace sueldara
