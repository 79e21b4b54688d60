#include "PreferencesUnits.h"
#include "Global.h"

namespace {
enum Tab { InputTab = 0, OutputTab = 1, SectionTab = 2 };
enum Group { gL, gPL, gR, gSh, gMom, gDef, gSt, gE, gI, gSZ, gA, gSectL, gWt };

const UnitGroup Groups[] = {
    {" Length ", InputTab, 16, 16, 185, &Unit_L, &Factor_L},
    {" Point Load ", InputTab, 216, 16, 185, &Unit_PL, &Factor_PL},
    {" UDL Load Rate ", InputTab, 416, 16, 185, &Unit_R, &Factor_R},
    {" Shear ", OutputTab, 8, 16, 142, &Unit_Sh, &Factor_Sh},
    {" Moment ", OutputTab, 158, 16, 142, &Unit_Mom, &Factor_Mom},
    {" Deflection ", OutputTab, 308, 16, 142, &Unit_Def, &Factor_Def},
    {" Stress ", OutputTab, 458, 16, 142, &Unit_St, &Factor_St},
    {" E ", SectionTab, 8, 8, 112, &Unit_Sect_E, &Factor_Sect_E},
    {" I ", SectionTab, 128, 8, 112, &Unit_Sect_I, &Factor_Sect_I},
    {" S/ Z ", SectionTab, 248, 8, 112, &Unit_Sect_SZ, &Factor_Sect_SZ},
    {" Area ", SectionTab, 368, 8, 112, &Unit_Sect_A, &Factor_Sect_A},
    {" Length ", SectionTab, 488, 8, 112, &Unit_Sect_L, &Factor_Sect_L},
    {" Weight ", SectionTab, 328, 136, 150, &Unit_Wt, &Factor_Wt},
};

constexpr const char* TonNote = "(2240 lbf)";

const UnitOption Options[] = {
    {gL, "Option_L_mm", "mm", "mm", 1.0f, nullptr, false},
    {gL, "Option_L_cm", "cm", "cm", 10.0f, nullptr, false},
    {gL, "Option_L_m", "m", "m", 1000.0f, nullptr, true},
    {gL, "Option_L_in", "Inches", "in", 25.4f, nullptr, false},
    {gL, "Option_L_ft", "feet", "ft", 304.8f, nullptr, false},

    {gPL, "Option_PL_N", "N", "N", 1.0f, nullptr, false},
    {gPL, "Option_PL_kN", "kN", "kN", 1000.0f, nullptr, true},
    {gPL, "Option_PL_lbf", "lbf", "lbf", 4.4482217f, nullptr, false},
    {gPL, "Option_PL_Iton", "Imperial ton (tonf)", "ton", 9964.0f, TonNote, false},
    {gPL, "Option_PL_Kip", "Kips", "Kips", 4448.22f, nullptr, false},

    {gR, "Option_R_Nmm", "N/mm", "N/mm", 1.0f, nullptr, false},
    {gR, "Option_R_kNm", "kN/m", "kN/m", 1.0f, nullptr, true},
    {gR, "Option_R_lbfin", "lbf/in", "lbf/in", 0.175127f, nullptr, false},
    {gR, "Option_R_lbfft", "lbf/ft", "lbf/ft", 0.0145939f, nullptr, false},
    {gR, "Option_R_itft", "Imp ton/ft", "Ton/ft", 32.690342f, nullptr, false},
    {gR, "Option_R_kipft", "Kips/ft", "Kips/ft", 14.593903f, nullptr, false},

    {gSh, "Option_Sh_N", "N", "N", 1.0f, nullptr, false},
    {gSh, "Option_Sh_kN", "kN", "kN", 0.001f, nullptr, true},
    {gSh, "Option_Sh_lbf", "lbf", "lbf", 0.224809f, nullptr, false},
    {gSh, "Option_Sh_ImpTon", "Imperial ton (tonf)", "ton", 0.0001003611f, TonNote, false},
    {gSh, "Option_Sh_Kip", "Kips", "Kips", 0.000224809f, nullptr, false},

    {gMom, "Option_Mom_Nmm", "N-mm", "N-mm", 1.0f, nullptr, false},
    {gMom, "Option_Mom_Nm", "N-m", "N-m", 0.001f, nullptr, false},
    {gMom, "Option_Mom_kNm", "kN-m", "kN-m", 1e-06f, nullptr, true},
    {gMom, "Option_Mom_lbfin", "lbf-in", "lbf-in", 0.00885075f, nullptr, false},
    {gMom, "Option_Mom_lbfft", "lbf-ft", "lbf-ft", 0.000737562f, nullptr, false},

    {gDef, "Option_Def_mm", "mm", "mm", 1.0f, nullptr, true},
    {gDef, "Option_Def_cm", "cm", "cm", 0.1f, nullptr, false},
    {gDef, "Option_Def_m", "m", "m", 0.001f, nullptr, false},
    {gDef, "Option_Def_in", "inches", "in", 0.03937008f, nullptr, false},

    {gSt, "Option_St_Nmm", "N/mm\u00b2", "N/mm^2", 1.0f, nullptr, true},
    {gSt, "Option_St_lbfin", "lbf/in\u00b2", "lbf/in^2", 145.03767f, nullptr, false},
    {gSt, "Option_St_KSI", "KSI", "KSI", 0.14503768f, nullptr, false},

    {gE, "Option_Sect_E_Nmm", "N/mm^2", "N/mm^2", 1.0f, nullptr, true},
    {gE, "Option_Sect_E_lbfin", "lbf/in^2", "lbf/in^2", 0.00689476f, nullptr, false},
    {gE, "Option_Sect_E_KSI", "KSI", "KSI", 6.89476f, nullptr, false},

    {gI, "Option_Sect_I_mm", "mm^4", "mm^4", 1.0f, nullptr, false},
    {gI, "Option_Sect_I_cm", "cm^4", "cm^4", 10000.0f, nullptr, true},
    {gI, "Option_Sect_I_in", "inches^4", "in^4", 416231.44f, nullptr, false},

    {gSZ, "Option_Sect_SZ_mm", "mm^3", "mm^3", 1.0f, nullptr, false},
    {gSZ, "Option_Sect_SZ_cm", "cm^3", "cm^3", 1000.0f, nullptr, true},
    {gSZ, "Option_Sect_SZ_in", "in^3", "in^3", 16387.064f, nullptr, false},

    {gA, "Option_Sect_A_mm", "mm^2", "mm^2", 1.0f, nullptr, false},
    {gA, "Option_Sect_A_cm", "cm^2", "cm^2", 100.0f, nullptr, true},
    {gA, "Option_Sect_A_in", "in^2", "in^2", 645.16f, nullptr, false},

    {gSectL, "Option_Sect_L_mm", "mm", "mm", 1.0f, nullptr, true},
    {gSectL, "Option_Sect_L_cm", "cm", "cm", 10.0f, nullptr, false},
    {gSectL, "Option_Sect_L_in", "inches", "in", 25.4f, nullptr, false},

    {gWt, "Option_Wt_m", "kg / m", "kg/m", 0.00785f, nullptr, false},
    {gWt, "Option_Wt_Imp", "lb / ft", "lb/ft", 0.005275f, nullptr, false},
};
}  // namespace

std::span<const UnitGroup> UnitGroupTable() { return Groups; }
std::span<const UnitOption> UnitOptionTable() { return Options; }
