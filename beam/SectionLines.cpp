#include "SectionLines.h"
#include "Checked.h"
#include "Global.h"
#include "SigFig.h"

std::vector<std::string> SectionPropertyLines(const SectionRecord& r) {
    const Real f = Factor_Sect_L;
    std::string L = " ";
    L += Unit_Sect_L.str();
    const std::string kind = r.Kind.str();
    const bool tube = kind == "Tube";
    auto len3 = [&](float v) { return SigFig3Dec3(ToDouble(Div(v, f))) + L; };
    auto inertia = [&](float v) {
        return SigFig4Dec3(ToDouble(Div(v, Factor_Sect_I))) + " " + Unit_Sect_I.str();
    };
    auto modulus = [&](Real v) {
        return SigFig4Dec3(ToDouble(Div(v, Factor_Sect_SZ))) + " " + Unit_Sect_SZ.str();
    };

    std::vector<std::string> lines;
    std::string first = " ";
    first += r.Designation.str();
    lines.push_back(first.substr(0, 26));
    lines.push_back(" Depth = " + (tube ? SigFig4Dec3(ToDouble(Div(r.Width, f))) + L : len3(r.Depth)));
    lines.push_back(" Width = " + SigFig4Dec3(ToDouble(Div(r.Width, f))) + L);
    lines.push_back(" Flange Thk = " + len3(r.FlangeThk));
    lines.push_back(" Web Thk = " + len3(r.WebThk));
    if (!tube && kind != "Box") lines.push_back(" Root rad = " + len3(r.RootRad));
    if (r.Outstand != 0) lines.push_back(" Outstand = " + len3(r.Outstand));
    if (r.WebDepth != 0) lines.push_back(" Web depth = " + len3(r.WebDepth));
    if (r.FlangeAngle != 0) lines.push_back(" Flg ang = " + SigFig3Dec3(ToDouble(r.FlangeAngle)) + " deg");
    lines.push_back(" Area = " + SigFig3Dec3(ToDouble(Div(r.Area, Factor_Sect_A))) + " " + Unit_Sect_A.str());
    lines.push_back(" Ixx = " + inertia(r.Ixx));
    lines.push_back(" Iyy = " + inertia(r.Iyy));
    lines.push_back(" Rxx = " + len3(r.Rxx));
    lines.push_back(" Ryy = " + len3(r.Ryy));
    lines.push_back(" x = " + len3(r.XFibre));
    lines.push_back(" y = " + len3(r.YFibre));
    const Real zxx = Div(r.Ixx, tube ? r.Width : r.Depth) * 2;
    const Real zyy = Div(r.Iyy, r.Width) * 2;
    lines.push_back(" " + ElasticModXName.str() + " = " + modulus(zxx));
    lines.push_back(" " + ElasticModYName.str() + " = " + modulus(zyy));
    lines.push_back(" ");
    lines.push_back(" K = " + inertia(r.TorsionK));
    lines.push_back(" t = " + len3(r.TorsionT));
    lines.push_back(" ");
    if (r.Sxx != 0) {
        lines.push_back(" " + PlasticModXName.str() + " = " + modulus(r.Sxx));
        lines.push_back(" " + PlasticModYName.str() + " = " + modulus(r.Syy));
    }
    if (kind == "Beam" || kind == "RSJ" || kind == "RSC") {
        lines.push_back(" u = " + SigFig4Dec3(ToDouble(r.BucklingU)));
        lines.push_back(" x = " + SigFig4Dec3(ToDouble(r.TorsionalIndex)));
        lines.push_back(" H = " + SigFig4Dec3(ToDouble(Real(r.WarpingH) * Real(Factor_H))) + " " + Unit_H.str());
    }
    lines.push_back(" ");
    return lines;
}

std::string SectionDescription(const SectionRecord& r) {
    std::string d = r.Designation.str();
    if (r.Width == 0) return d;
    const size_t end = d.find_last_not_of(' ');
    return end == std::string::npos ? " " : d.substr(0, end + 1);
}
