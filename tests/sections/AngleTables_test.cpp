// The four angle tables as written: layout, designations, blank records,
// the reference rows byte for byte and every relation on every section.
#include <gtest/gtest.h>
#include <cmath>
#include <map>
#include <string>
#include <vector>
#include "SectionFiles.h"

using sect::Moments;
using sect::Rel;
using sect::Split;
using sect::TableFile;
using sect::UnitsOff;

namespace {

struct AngleTable {
    const char* file;
    std::vector<std::string> designations;      // file order; "" marks a blank record
    std::map<int, std::string> blankKinds;      // kind of a blank record where not empty
    double radiusUnits;                         // radii of gyration: units of the fifth figure
    double principalTol, sumTol;                // Iuu, Ivv and their sum against the outline
    float angleLo, angleHi;                     // range of the stored principal angles
    bool angleNearOutline;                      // stored angle within 0.07 degree of the outline's
    std::map<std::string, std::pair<float, float>> radii;   // designation -> root, toe radius
};

// The numbers a designation states: legs A and B and thickness t.
struct Legs { double a, b, t; };
Legs LegsOf(const std::string& designation) {
    std::vector<double> n = sect::Numbers(designation);
    return n.size() == 2 ? Legs{n[0], n[0], n[1]} : Legs{n[0], n[1], n[2]};
}

// The radii of every section of a table, by designation.
std::map<std::string, std::pair<float, float>> RadiiOf(const std::vector<std::string>& designations,
                                                       float (*root)(double, double), float (*toe)(double, double)) {
    std::map<std::string, std::pair<float, float>> out;
    for (const std::string& d : designations)
        if (!d.empty()) {
            Legs l = LegsOf(d);
            out[d] = {root(l.a, l.b), toe(l.a, l.b)};
        }
    return out;
}

// A table without blank records, its sections given in file order in runs of equal root and toe radii.
AngleTable InRuns(AngleTable t, std::initializer_list<std::pair<std::pair<float, float>, const char*>> runs) {
    for (const auto& [radii, names] : runs)
        for (const std::string& d : Split(names)) {
            t.designations.push_back(d);
            t.radii[d] = radii;
        }
    return t;
}

const std::vector<AngleTable>& Tables() {
    static const std::vector<AngleTable> tables = [] {
        std::vector<AngleTable> t;
        std::vector<std::string> eq = Split(
            "25 x 25 x 3 RSA|25 x 25 x 4 RSA|25 x 25 x 5 RSA|-|30 x 30 x 3 RSA|30 x 30 x 4 RSA|30 x 30 x 5 RSA|-|"
            "40 x 40 x 3 RSA|40 x 40 x 4 RSA|40 x 40 x 5 RSA|40 x 40 x 6 RSA|-|45 x 45 x 3 RSA|45 x 45 x 4 RSA|"
            "45 x 45 x 5 RSA|45 x 45 x 6 RSA|-|50 x 50 x 3 RSA|50 x 50 x 4 RSA|50 x 50 x 5 RSA|50 x 50 x 6 RSA|"
            "50 x 50 x 8 RSA|-|60 x 60 x 5 RSA|60 x 60 x 6 RSA|60 x 60 x 8 RSA|60 x 60 x 10 RSA|-|70 x 70 x 6 RSA|"
            "70 x 70 x 8 RSA|70 x 70 x 10 RSA|-|80 x 80 x 6 RSA|80 x 80 x 8 RSA|80 x 80 x 10 RSA|-|90 x 90 x 6 RSA|"
            "90 x 90 x 8 RSA|90 x 90 x 10 RSA|90 x 90 x 12 RSA|-|100 x 100 x 8 RSA|100 x 100 x 10 RSA|"
            "100 x 100 x 12 RSA|100 x 100 x 15 RSA|-|120 x 120 x 8 RSA|120 x 120 x 10 RSA|120 x 120 x 12 RSA|"
            "120 x 120 x 15 RSA|-|150 x 150 x 10 RSA|150 x 150 x 12 RSA|150 x 150 x 15 RSA|150 x 150 x 18 RSA|-|"
            "200 x 200 x 16 RSA|200 x 200 x 18 RSA|200 x 200 x 20 RSA|200 x 200 x 24 RSA|-|250 x 250 x 25 RSA|"
            "250 x 250 x 28 RSA|250 x 250 x 32 RSA|250 x 250 x 35 RSA");
        auto eqRoot = [](double a, double) -> float {
            static const std::map<int, float> r = {{25, 3.5f}, {30, 5}, {40, 6}, {45, 7}, {50, 7}, {60, 8},
                                                   {70, 9}, {80, 10}, {90, 11}, {100, 12}, {120, 13}, {150, 16},
                                                   {200, 18}, {250, 20}};
            return r.at(int(a));
        };
        auto eqToe = [](double a, double) { return a <= 70 ? 2.4f : 4.8f; };
        t.push_back({"EqRSA.sct", eq, {}, 3, 3e-4, 3e-4, 44.955f, 45.036f, false,
                     RadiiOf(eq, eqRoot, eqToe)});

        std::vector<std::string> uneq = Split(
            "-|-|-|40 x 25 x 4 RSA|-|60 x 30 x 5 RSA|60 x 30 x 6 RSA|-|65 x 50 x 5 RSA|65 x 50 x 6 RSA|"
            "65 x 50 x 8 RSA|-|75 x 50 x 6 RSA|75 x 50 x 8 RSA|-|100 x 65 x 7 RSA|100 x 65 x 8 RSA|100 x 65 x 10 RSA|"
            "-|100 x 75 x 8 RSA|100 x 75 x 10 RSA|100 x 75 x 12 RSA|-|125 x 75 x 8 RSA|125 x 75 x 10 RSA|"
            "125 x 75 x 12 RSA|-|150 x 75 x 10 RSA|150 x 75 x 12 RSA|150 x 75 x 15 RSA|-|150 x 90 x 10 RSA|"
            "150 x 90 x 12 RSA|150 x 90 x 15 RSA|-|200 x 100 x 10 RSA|200 x 100 x 12 RSA|200 x 100 x 15 RSA|-|-|"
            "200 x 150 x 12 RSA|200 x 150 x 15 RSA|200 x 100 x 15 RSA");
        auto uneqRoot = [](double a, double b) -> float {
            static const std::map<std::pair<int, int>, float> r = {
                {{40, 25}, 4}, {{60, 30}, 6}, {{65, 50}, 6}, {{75, 50}, 7}, {{100, 65}, 10}, {{100, 75}, 10},
                {{125, 75}, 11}, {{150, 75}, 11}, {{150, 90}, 12}, {{200, 100}, 15}, {{200, 150}, 15}};
            return r.at({int(a), int(b)});
        };
        auto uneqToe = [](double a, double) { return a <= 75 ? 2.4f : 4.8f; };
        t.push_back({"UnEqRSA.sct", uneq, {{1, "RSA"}, {2, "RSA"}, {3, "RSA"}}, 2, 1.2e-3,
                     1.1e-3, 14.212f, 29.994f, true, RadiiOf(uneq, uneqRoot, uneqToe)});

        t.push_back(InRuns({"EqL.sct", {}, {}, 2, 3e-4, 2e-4, 44.954f, 45.031f, false, {}},
                           {{{3.5f, 2}, "L 20 x 3|L  25 x 3"}, {{5, 2.5f}, "L  30 x 3|L  35 x 4"},
                            {{6, 3}, "L  40 x 4"}, {{7, 3.5f}, "L  45 x 5|L  50 x 5"}, {{8, 4}, "L  60 x 6"},
                            {{9, 4.5f}, "L  70 x 7"}, {{10, 5}, "L  80 x 8"}, {{11, 5.5f}, "L  90 x 9"},
                            {{12, 6}, "L  100 x 10|L  110 x 10"}, {{13, 6.5f}, "L  120 x 12"},
                            {{16, 8}, "L  150 x 15"}, {{18, 9}, "L  180 x 18|L  200 x 20"}}));
        t.push_back(InRuns({"UnEqL.sct", {}, {}, 3, 1.2e-3, 1.1e-3, 14.167f, 32.703f, true, {}},
                           {{{3.5f, 2}, "L  30 x 20 x 3|L  30 x 20 x 4|L  40 x 20 x 3|L  40 x 20 x 4"},
                            {{4.5f, 2}, "L  45 x 30 x 4|L  45 x 30 x 5|L  50 x 30 x 4|L  50 x 30 x 5"},
                            {{4, 2}, "L  50 x 40 x 5"},
                            {{6, 3}, "L  60 x 30 x 5|L  60 x 40 x 5|L  60 x 40 x 6|L  65 x 50 x 5|L  70 x 50 x 6|"
                                     "L  75 x 50 x 7|L  75 x 55 x 5"},
                            {{7, 3.5f}, "L  75 x 55 x 7|L  80 x 40 x 6|L  80 x 40 x 8"},
                            {{8, 4}, "L  80 x 60 x 7|L  80 x 65 x 8"},
                            {{7, 3.5f}, "L  90 x 60 x 6|L  90 x 60 x 8|L  100 x 50 x 6"},
                            {{9, 4.5f}, "L  100 x 50 x 8|L  100 x 50 x 10"}, {{9, 5}, "L  100 x 65 x 7"},
                            {{10, 5}, "L  100 x 65 x 9|L  100 x 75 x 9"}, {{10, 5.5f}, "L  120 x 80 x 8"},
                            {{11, 5.5f}, "L  120 x 80 x 10|L  120 x 80 x 12|L  130 x 65 x 8|L  130 x 65 x 10"}}));
        return t;
    }();
    return tables;
}

// Two legs meeting at a square outer corner, the root fillet filling the
// inner corner and a toe fillet taking off the inner corner of each tip.
Moments Outline(double a, double b, double t, double r1, double r2) {
    Moments m = sect::Rectangle(0, 0, t, a);
    m += sect::Rectangle(t, 0, b, t);
    m += sect::Fillet(t, t, 1, 1, r1);
    m -= sect::Fillet(b, t, -1, -1, r2);
    m -= sect::Fillet(t, a, -1, -1, r2);
    return m;
}

// The singles an angle record fills, in the order the reference rows give them.
namespace O = sect::Offset;
const std::vector<int> Columns = {O::Depth, O::Width, O::WebThk, O::FlangeThk, O::RootRad, O::ToeRad, O::E,
                                  O::Area, O::Ixx, O::Iyy, O::Rxx, O::Ryy, O::Cx, O::Cy,
                                  O::XFibre, O::YFibre, O::Iuu, O::Ivv, O::Ruu, O::Rvv,
                                  O::PrincipalAngle, O::TorsionK, O::TorsionT};

TEST(AngleTables, FileLayoutDesignationsAndBlankRecords) {
    for (const AngleTable& t : Tables()) {
        SCOPED_TRACE(t.file);
        sect::ExpectLayout(sect::Written(t.file), {t.designations, "RSA", Columns, true, [&](int k) {
                               auto kind = t.blankKinds.find(k);
                               return kind == t.blankKinds.end() ? std::string() : kind->second;
                           }});
    }
}

TEST(AngleTables, EveryRelationOnEverySection) {
    for (const AngleTable& t : Tables()) {
        SCOPED_TRACE(t.file);
        const TableFile& w = sect::Written(t.file);
        sect::ForEachSection(w, [&](int k, const SectionRecord& r) {
            const std::string name = sect::Trimmed(r);
            Legs l = LegsOf(name);
            EXPECT_EQ(r.Depth, float(l.a));
            EXPECT_EQ(r.Width, float(l.b));
            EXPECT_EQ(r.WebThk, float(l.t));
            EXPECT_EQ(r.FlangeThk, float(l.t));
            EXPECT_EQ(r.E, 205000.0f);
            EXPECT_EQ(r.RootRad, t.radii.at(name).first);
            EXPECT_EQ(r.ToeRad, t.radii.at(name).second);

            const double a = r.Depth, b = r.Width, th = r.WebThk, r1 = r.RootRad, r2 = r.ToeRad;
            EXPECT_LE(UnitsOff(r.Area, th * (a + b - th) + (1 - sect::Pi / 4) * (r1 * r1 - 2 * r2 * r2)), 1.0001);
            Moments m = Outline(a, b, th, r1, r2);
            EXPECT_LE(Rel(r.Cx, m.Cy()), 6e-5);
            EXPECT_LE(Rel(r.Cy, m.Cx()), 6e-5);
            EXPECT_LE(Rel(r.Ixx, m.Ixx()), 6e-5);
            EXPECT_LE(Rel(r.Iyy, m.Iyy()), 6e-5);
            const std::pair<float, float> radii[] = {{r.Rxx, r.Ixx}, {r.Ryy, r.Iyy}, {r.Ruu, r.Iuu}, {r.Rvv, r.Ivv}};
            for (auto [radius, second] : radii)
                EXPECT_LE(UnitsOff(radius, std::sqrt(double(second) / r.Area)), t.radiusUnits);
            EXPECT_LE(UnitsOff(r.XFibre, b - r.Cy), 1.0001);
            EXPECT_LE(UnitsOff(r.YFibre, a - r.Cx), 1.0001);

            double mid = (m.Ixx() + m.Iyy()) / 2, half = std::hypot((m.Ixx() - m.Iyy()) / 2, m.Ixy());
            EXPECT_LE(Rel(r.Iuu, mid + half), t.principalTol);
            EXPECT_LE(Rel(r.Ivv, mid - half), t.principalTol);
            EXPECT_LE(Rel(double(r.Iuu) + r.Ivv, double(r.Ixx) + r.Iyy), t.sumTol);
            EXPECT_GE(r.PrincipalAngle, t.angleLo);
            EXPECT_LE(r.PrincipalAngle, t.angleHi);
            if (t.angleNearOutline) {
                double direction = std::fabs(0.5 * std::atan2(-2 * m.Ixy(), m.Ixx() - m.Iyy()) * 180 / sect::Pi);
                EXPECT_LE(std::fabs(r.PrincipalAngle - direction), 0.07);
            }
            EXPECT_GT(r.TorsionK, 0.0f);
            EXPECT_GT(r.TorsionT, r.WebThk);
            if (a == b) {
                EXPECT_EQ(r.Ixx, r.Iyy);
                EXPECT_EQ(r.Rxx, r.Ryy);
                EXPECT_EQ(r.Cx, r.Cy);
                EXPECT_EQ(r.XFibre, r.YFibre);
            } else {
                EXPECT_GT(r.Depth, r.Width);
                EXPECT_GT(r.Ixx, r.Iyy);
            }
            for (int off : sect::SingleOffsets()) EXPECT_LE(sect::Figures(w.Single(k, off)), 5) << "offset " << off;
        });
    }
}

TEST(AngleTables, ReferenceRowsByteForByte) {
    const std::vector<float> repeated = {200, 100, 15, 15, 15, 4.8f, 205000, 4313.4f, 17723000, 3032600, 64.1f, 26.515f,
                                         71.729f, 22.289f, 77.711f, 128.27f, 18801000, 1964400, 66.021f, 21.34f,
                                         14.583f, 343560, 26.754f};
    const sect::ReferenceRow rows[] = {
        {"EqRSA.sct", 1, "25 x 25 x 3 RSA          ",
         {25, 25, 3, 3, 3.5f, 2.4f, 205000, 141.16f, 7842, 7842, 7.4535f, 7.4535f, 7.1775f, 7.1775f, 17.823f, 17.823f,
          12433, 3250.7f, 9.385f, 4.7989f, 45.032f, 475.93f, 5.4267f}},
        {"EqRSA.sct", 66, "250 x 250 x 35 RSA       ",
         {250, 250, 35, 35, 20, 4.8f, 205000, 16351, 93047000, 93047000, 75.436f, 75.436f, 75.068f, 75.068f, 174.93f,
          174.93f, 147230000, 38863000, 94.891f, 48.752f, 44.968f, 6768100, 60.898f}},
        {"UnEqRSA.sct", 4, "40 x 25 x 4 RSA          ",
         {40, 25, 4, 4, 4, 2.4f, 205000, 244.96f, 38610, 11495, 12.554f, 6.8503f, 13.601f, 6.2062f, 18.794f, 26.399f,
          43200, 6924.8f, 13.28f, 5.3169f, 20.82f, 1417.4f, 7.0992f}},
        // Record 43 repeats record 38.
        {"UnEqRSA.sct", 38, "200 x 100 x 15 RSA       ", repeated},
        {"UnEqRSA.sct", 43, "200 x 100 x 15 RSA       ", repeated},
        {"EqL.sct", 1, "L 20 x 3                 ",
         {20, 20, 3, 3, 3.5f, 2, 205000, 111.91f, 3876.8f, 3876.8f, 5.8857f, 5.8857f, 5.9641f, 5.9641f, 14.036f,
          14.036f, 6125.6f, 1627.1f, 7.3984f, 3.813f, 44.991f, 385.93f, 5.3788f}},
        {"EqL.sct", 17, "L  200 x 20              ",
         {200, 200, 20, 20, 18, 9, 205000, 7634.8f, 28506000, 28506000, 61.104f, 61.104f, 56.834f, 56.834f, 143.17f,
          143.17f, 45290000, 11721000, 77.02f, 39.181f, 44.954f, 1069200, 35.331f}},
        {"UnEqL.sct", 1, "L  30 x 20 x 3           ",
         {30, 20, 3, 3, 3.5f, 2, 205000, 141.91f, 12449, 4370.8f, 9.3661f, 5.5497f, 9.9278f, 5.0204f, 14.98f, 20.072f,
          14273, 2554.4f, 10.029f, 4.2426f, 23.134f, 475.92f, 5.4276f}},
        {"UnEqL.sct", 27, "L  100 x 65 x 7          ",
         {100, 65, 7, 7, 9, 5, 205000, 1112.7f, 1123000, 375670, 31.769f, 18.375f, 32.369f, 15.142f, 49.858f, 67.631f,
          1279600, 219580, 33.912f, 14.048f, 22.62f, 20031, 12.962f}},
        {"UnEqL.sct", 34, "L  130 x 65 x 10         ",
         {130, 65, 10, 10, 11, 5.5f, 205000, 1863, 3204600, 541990, 41.475f, 17.056f, 46.528f, 14.481f, 50.519f,
          83.472f, 3397400, 351700, 42.704f, 13.74f, 14.413f, 67356, 18.025f}},
    };
    sect::ExpectReferenceRows("RSA", Columns, rows);
}

// An equal size in both equal tables keeps its root radius and torsion
// constant; the toe radius and what follows from it differ.
TEST(AngleTables, SizesSharedByTheEqualTables) {
    const TableFile &eq = sect::Written("EqRSA.sct"), &eqL = sect::Written("EqL.sct");
    int shared = 0;
    for (const SectionRecord& l : eqL.records)
        for (const SectionRecord& e : eq.records)
            if (e.Width != 0 && e.Depth == l.Depth && e.WebThk == l.WebThk) {
                ++shared;
                EXPECT_EQ(e.RootRad, l.RootRad) << sect::Trimmed(l);
                EXPECT_EQ(e.TorsionK, l.TorsionK) << sect::Trimmed(l);
                EXPECT_NE(e.ToeRad, l.ToeRad) << sect::Trimmed(l);
                EXPECT_NE(e.Area, l.Area) << sect::Trimmed(l);
            }
    EXPECT_EQ(shared, 11);
}

}  // namespace
