#pragma once
// What the user entered: the data-entry window's controls (PayInput) and the
// post as the selection dialog holds it (SelectedPosition). Texts are kept as
// typed; the calculation reads them as numbers where an item needs one.

#include <string>

namespace sueldara {

struct PayInput {
    std::string docente;

    // Category: at most one is set in the window; the run takes the first set.
    bool cargo = false;
    bool horasmedio = false;
    bool horassup = false;

    std::string numerohorasmed = "0";
    std::string numerohorassup = "0";
    std::string numhorascod06 = "0";
    std::string numhorasincen = "0";
    std::string numhorascod113 = "0";

    // Seniority: the bracket chosen (0 none, 1 to 12), the percent text shown in
    // porcantig and the percent; applySeniorityBracket keeps the three together.
    int tramoantig = 0;
    std::string porcantig = "0 %";
    int porcentajeantig = 0;

    int zona = -1;  // -1 none picked, 0 to 4

    bool opincentivo = true;

    bool transporte = false;
    std::string cantkm = "0";

    bool inasist = false;
    std::string dinasist = "0";

    bool hijos = false;
    std::string cantidadhijos = "0";
    bool hijosdisc = false;
    std::string cantidadhijosdisc = "0";
    bool conyuge = false;

    bool Iosper = false;
    bool Osplad = false;
    bool APORTEJUB = false;
    bool Ley4035 = false;
    bool ZELAN = false;
    bool cajacomp = false;
    bool Seguro3011 = false;
};

struct SelectedPosition {
    std::string codigocargo;    // code of the code list's current row, "" when none
    std::string puntosbasicos;  // basic points of the basic-points list's current row
    std::string cargox;         // the name box's text
    std::string punbas;
    std::string compbas;
    std::string proljor;
    std::string jorcom;
    std::string tardif;
};

}  // namespace sueldara
