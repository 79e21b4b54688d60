// The four channel tables as written: layout, designations, blank records,
// the reference rows byte for byte and every relation on every section.
#include <gtest/gtest.h>
#include <cmath>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>
#include "SectionFiles.h"

using sect::Pi;
using sect::Rel;
using sect::Split;
using sect::TableFile;

namespace {

// The relations every channel table states, with each table's tolerances.
struct ChannelTable {
    const char* file;
    std::vector<std::string> designations;     // file order; "" marks a blank record
    bool padded;
    double radius, xfibre, index, buckling, area, pna;
    std::function<double(const SectionRecord&)> webDepthTol;   // 0: the parallel-flange rule, exact
    std::set<int> webHoldsHalf;                // records whose web holds at least half the area
    std::function<void(const SectionRecord&)> own;             // the table's own fixed values
};

double Slope(const SectionRecord& r) { return r.FlangeAngle * Pi / 180; }

double AreaRule(const SectionRecord& r) {
    double a = Slope(r);
    return 2.0 * r.Width * r.FlangeThk + (double(r.Depth) - 2.0 * r.FlangeThk) * r.WebThk +
           2.0 * r.RootRad * r.RootRad * (std::tan(Pi / 4 - a / 2) - (Pi / 4 - a / 2)) -
           2.0 * r.ToeRad * r.ToeRad * (std::tan(Pi / 4 + a / 2) - (Pi / 4 + a / 2));
}

double WebDepthRule(const SectionRecord& r) {
    double a = Slope(r);
    return r.Depth - 2 * (r.FlangeThk + (double(r.Width) - r.WebThk) / 2 * std::tan(a) +
                          r.RootRad * std::tan(Pi / 4 - a / 2));
}

int Rounded(double v) { return int(std::lround(v)); }

const std::vector<ChannelTable>& Tables() {
    static const std::vector<ChannelTable> tables = [] {
        std::vector<ChannelTable> t;
        t.push_back({"RSC.sct",
                     Split("76 x 38 RSC|102 x 51 RSC|127 x 64 RSC|152 x 76 RSC|152 x 89 RSC|178 x 76 RSC|"
                           "178 x 89 RSC|203 x 76 RSC|203 x 89 RSC|229 x 76 RSC|229 x 89 RSC|254 x 76 RSC|"
                           "254 x 89 RSC|305 x 89 RSC|305 x 102 RSC|381 x 102 RSC|432 x 102 RSC"),
                     true, 1e-4, 0.2, 1e-4, 5e-4, 3e-4, 1e-4, [](const SectionRecord&) { return 0.5; },
                     {10, 12, 13, 14, 15, 16, 17}, [](const SectionRecord& r) {
                         std::string name = sect::Trimmed(r);
                         EXPECT_EQ(name, std::to_string(Rounded(r.Depth)) + " x " + std::to_string(Rounded(r.Width)) +
                                             " RSC");
                         EXPECT_EQ(r.FlangeAngle, 5.0f);
                         EXPECT_GT(r.FlangeThk, r.WebThk);
                         const std::set<float> roots = {7.6f, 9.1f, 12.2f, 13.7f, 15.2f}, toes = {2.4f, 3.2f, 4.8f};
                         EXPECT_TRUE(roots.count(r.RootRad));
                         EXPECT_TRUE(toes.count(r.ToeRad));
                     }});
        t.push_back({"PFC.sct",
                     Split("100 x 50 x 10 PFC|125 x 65 x 15 PFC|150 x 75 x 18 PFC|150 x 90 x 24 PFC|"
                           "180 x 75 x 20 PFC|180 x 90 x 26 PFC|200 x 75 x 23 PFC|200 x 90 x 30 PFC|"
                           "230 x 75 x 26 PFC|230 x 90 x 32 PFC|260 x 75 x 28 PFC|260 x 90 x 35 PFC|"
                           "300 x 90 x 41 PFC|300 x 100 x 46 PFC|380 x 100 x 54 PFC|430 x 100 x 64 PFC"),
                     true, 1e-4, 0.05, 5e-3, 1e-3, 3e-5, 1e-4, nullptr, {11, 13, 15, 16}, [](const SectionRecord& r) {
                         std::string name = sect::Trimmed(r);
                         EXPECT_EQ(name, std::to_string(Rounded(r.Depth)) + " x " + std::to_string(Rounded(r.Width)) +
                                             " x " + std::to_string(Rounded(r.Area * 0.00785)) + " PFC");
                         EXPECT_EQ(r.ToeRad, 0.0f);
                         EXPECT_EQ(r.FlangeAngle, 0.0f);
                         EXPECT_GT(r.FlangeThk, r.WebThk);
                         EXPECT_TRUE(r.RootRad == 9 || r.RootRad == 12 || r.RootRad == 15);
                     }});
        std::vector<std::string> upn = Split(
            "U  30 x 15|U  30|U  40 x 20|U  40|U 50 x 25|U  50|U  60|U  65|U  80|U  100|U  120|U  140|U  160|"
            "U  180|U  200|U  220|U  240|U  260|U  280|U  300|U  320|U  350|U  380|U  400");
        std::set<int> upnWeb = {1, 3, 5, 7};
        for (int k = 14; k <= 24; ++k) upnWeb.insert(k);
        t.push_back({"UPN.sct", upn, true, 1e-4, 0.05, 1e-4, 1e-3, 1.5e-3, 5e-4,
                     [](const SectionRecord& r) { return r.Depth <= 160 ? 0.05 : 0.5; }, upnWeb,
                     [](const SectionRecord& r) {
                         std::string name = sect::Trimmed(r);
                         std::string numbers = name.substr(name.find_first_not_of("U "));
                         std::string expected = std::to_string(Rounded(r.Depth));
                         if (numbers.find('x') != std::string::npos) expected += " x " + std::to_string(Rounded(r.Width));
                         EXPECT_EQ(numbers, expected);
                         EXPECT_EQ(r.FlangeAngle, r.Depth < 320 ? 4.574f : 2.8624f);
                         if (name == "U  60") {
                             EXPECT_EQ(r.FlangeThk, r.WebThk);
                         } else {
                             EXPECT_GT(r.FlangeThk, r.WebThk);
                         }
                         if (name == "U  40 x 20") {
                             EXPECT_EQ(std::make_pair(r.RootRad, r.FlangeThk), std::make_pair(5.0f, 5.5f));
                         } else {
                             EXPECT_EQ(r.RootRad, r.FlangeThk);
                         }
                         EXPECT_GE(r.ToeRad, 2.0f);
                         EXPECT_LE(r.ToeRad, 9.0f);
                         EXPECT_EQ(r.Width > r.Depth, name == "U  30");
                     }});
        std::vector<std::string> c = Split(
            "C 75 x 6|C 75 x 7|C 75 x 9|-|C 100 x 8|C 100 x 11|-|C 130 x 10|C 130 x 13|-|C 150 x 12|C 150 x 16|"
            "C 150 x 19|-|C 180 x 15|C 180 x 18|-|C 200 x 17|C 200 x 21|C 200 x 28|-|C 230 x 20|C 230 x 22|"
            "C 230 x 30|-|C 250 x 23|C 250 x 30|C 250 x 37|C 250 x 45|-|C310 x 31|C310 x 37|C310 x 45|-|"
            "C380 x 50|C380 x 60|C380 x 74");
        std::set<int> cWeb;
        for (int k = 1; k <= 37; ++k)
            if (!c[k - 1].empty() && k != 1 && k != 5 && k != 8) cWeb.insert(k);
        t.push_back({"C.sct", c, false, 1e-5, 1e-4, 1e-5, 1e-5, 5e-4, 1e-4,
                     [](const SectionRecord& r) { return 1e-5 * r.WebDepth; }, cWeb, [](const SectionRecord& r) {
                         std::string name = sect::Trimmed(r);
                         double mass = std::stod(name.substr(name.find('x') + 1));
                         EXPECT_LE(std::fabs(r.Area * 0.00785 - mass), 0.6);
                         EXPECT_EQ(r.FlangeAngle, 9.462f);
                         EXPECT_GE(r.RootRad, 6.86f);
                         EXPECT_LE(r.RootRad, 12.7f);
                         EXPECT_GE(r.ToeRad, 2.3f);
                         EXPECT_LE(r.ToeRad, 6.1f);
                     }});
        return t;
    }();
    return tables;
}

// The singles a channel record fills, in the order the reference rows give them.
namespace O = sect::Offset;
const std::vector<int> Columns = {
    O::Depth, O::Width, O::WebThk, O::FlangeThk, O::RootRad, O::ToeRad, O::Outstand, O::WebDepth, O::FlangeAngle,
    O::Grade, O::E, O::Area, O::Ixx, O::Iyy, O::Rxx, O::Ryy, O::Cy, O::XFibre, O::YFibre, O::TorsionK, O::TorsionT,
    O::ShearCentre, O::Sxx, O::Syy, O::BucklingU, O::TorsionalIndex, O::WarpingH, O::ChannelPna};

// PFC leaves the toe radius and flange angle 0.
std::vector<int> Filled(const std::string& file) {
    std::vector<int> f = Columns;
    if (file == "PFC.sct") std::erase_if(f, [](int off) { return off == O::ToeRad || off == O::FlangeAngle; });
    return f;
}

TEST(ChannelTables, FileLayoutDesignationsAndBlankRecords) {
    for (const ChannelTable& t : Tables()) {
        SCOPED_TRACE(t.file);
        sect::ExpectLayout(sect::Written(t.file), {t.designations, "RSC", Filled(t.file), t.padded});
    }
}

TEST(ChannelTables, EveryRelationOnEverySection) {
    for (const ChannelTable& t : Tables()) {
        SCOPED_TRACE(t.file);
        sect::ForEachSection(sect::Written(t.file), [&](int, const SectionRecord& r) {
            t.own(r);
            EXPECT_EQ(r.Grade, 43.0f);
            EXPECT_EQ(r.E, 205000.0f);
            EXPECT_EQ(r.Outstand, r.Width);
            EXPECT_EQ(r.YFibre, r.Depth / 2);
            EXPECT_LE(Rel(r.Rxx, std::sqrt(double(r.Ixx) / r.Area)), t.radius);
            EXPECT_LE(Rel(r.Ryy, std::sqrt(double(r.Iyy) / r.Area)), t.radius);
            EXPECT_LE(std::fabs(r.XFibre - (double(r.Width) - r.Cy)), t.xfibre);
            EXPECT_LE(Rel(r.TorsionalIndex, sect::IndexFromWarping(r)), t.index);
            EXPECT_LE(Rel(r.BucklingU, sect::BucklingFromWarping(r)), t.buckling);
            EXPECT_LE(Rel(r.Area, AreaRule(r)), t.area);
            if (t.webDepthTol) {
                EXPECT_LE(std::fabs(r.WebDepth - WebDepthRule(r)), t.webDepthTol(r));
            } else {
                EXPECT_EQ(r.WebDepth, r.Depth - 2 * (r.FlangeThk + r.RootRad));
            }
            bool webHalf = double(r.Depth) * r.WebThk >= r.Area / 2.0;
            EXPECT_EQ(webHalf, t.webHoldsHalf.count(r.RecNo) == 1);
            if (webHalf) {
                EXPECT_LE(Rel(r.ChannelPna, r.Area / (2.0 * r.Depth)), t.pna);
            }
            EXPECT_GT(r.ShearCentre, r.Cy);
        });
    }
}

// Two plain flanges, the web between them and two root fillets, with the
// back of the web on x = 0 and the major axis on y = 0.
sect::Moments ParallelFlangeChannel(const SectionRecord& r) {
    double d = r.Depth, b = r.Width, t = r.WebThk, tf = r.FlangeThk, r1 = r.RootRad;
    sect::Moments m = sect::Rectangle(0, -d / 2, t, d / 2);
    m += sect::Rectangle(t, d / 2 - tf, b, d / 2);
    m += sect::Rectangle(t, -d / 2, b, -d / 2 + tf);
    m += sect::Fillet(t, d / 2 - tf, 1, -1, r1);
    m += sect::Fillet(t, -d / 2 + tf, 1, 1, r1);
    return m;
}

TEST(PfcTable, SectionModelRelations) {
    sect::ForEachSection(sect::Written("PFC.sct"), [&](int, const SectionRecord& r) {
        sect::Moments m = ParallelFlangeChannel(r);
        EXPECT_LE(Rel(r.Area, m.a), 3e-5);
        EXPECT_LE(Rel(r.Ixx, m.Ixx()), 5e-5);
        EXPECT_LE(Rel(r.Iyy, m.Iyy()), 5e-4);
        EXPECT_LE(std::fabs(r.Cy - m.Cx()), 0.05);
        EXPECT_LE(Rel(r.XFibre, r.Width - m.Cx()), 2e-4);
        double d = r.Depth, b = r.Width, t = r.WebThk, tf = r.FlangeThk, r1 = r.RootRad;
        double f = (1 - Pi / 4) * r1 * r1, c = (10 - 3 * Pi) / (12 - 3 * Pi) * r1;
        double sxx = b * tf * (d - tf) + t * (d - 2 * tf) * (d - 2 * tf) / 4 + 2 * f * (d / 2 - tf - c);
        EXPECT_LE(Rel(r.Sxx, sxx), 5e-5);
        for (float v : {r.BucklingU, r.TorsionalIndex, r.WarpingH}) EXPECT_LE(sect::Figures(v), 3) << v;
    });
}

// The designation's nominal depth gives the depth; a group shares its flange and radii.
TEST(CTable, DepthsAndGroups) {
    const TableFile& w = sect::Written("C.sct");
    const std::map<int, float> depths = {{75, 76.2f},   {100, 101.6f}, {130, 127},   {150, 152.4f}, {180, 177.8f},
                                         {200, 203.2f}, {230, 228.6f}, {250, 254},   {310, 304.8f}, {380, 381}};
    const SectionRecord* first = nullptr;
    for (const SectionRecord& r : w.records) {
        if (r.Width == 0) {
            first = nullptr;
            continue;
        }
        const std::string name = r.Designation.str();
        EXPECT_EQ(r.Depth, depths.at(int(sect::Numbers(name)[0]))) << name;
        if (!first) first = &r;
        EXPECT_EQ(r.FlangeThk, first->FlangeThk) << name;
        EXPECT_EQ(r.RootRad, first->RootRad) << name;
        EXPECT_EQ(r.ToeRad, first->ToeRad) << name;
    }
}

TEST(ChannelTables, ReferenceRowsByteForByte) {
    const sect::ReferenceRow rows[] = {
        {"RSC.sct", 1, "76 x 38 RSC              ",
         {76.2f, 38.1f, 5.1f, 6.8f, 7.6f, 2.4f, 38.1f, 45.8f, 5, 43, 205000, 854.69f, 742740, 106600, 29.479f,
          11.168f, 12, 26.125f, 38.1f, 12802, 12.1f, 25.167f, 23458, 7832.7f, 0.899f, 9.1992f, 1.0545e8f, 6.748f}},
        {"RSC.sct", 3, "127 x 64 RSC             ",
         {127, 64, 6.4f, 9.2f, 9.1f, 2.4f, 64, 86.9f, 5, 43, 205000, 1898.5f, 4829600, 684570, 50.438f, 18.989f, 19.8f,
          44.374f, 63.5f, 49245, 16.4f, 42.462f, 89447, 29715, 0.904f, 11.873f, 1.9536e9f, 10.9f}},
        {"RSC.sct", 17, "432 x 102 RSC            ",
         {431.8f, 101.6f, 12.2f, 16.8f, 15.2f, 4.8f, 101.6f, 363, 5, 43, 205000, 8340.9f, 2.1371e8f, 6262300, 160.07f,
          27.401f, 23.2f, 78.441f, 215.9f, 618310, 29.7f, 48.094f, 1205300, 154070, 0.875f, 24.431f, 2.1624e11f,
          9.658f}},
        {"PFC.sct", 1, "100 x 50 x 10 PFC        ",
         {100, 50, 5, 8.5f, 9, 0, 50, 65, 0, 43, 205000, 1299.8f, 2076800, 323100, 39.973f, 15.767f, 17.3f, 32.668f,
          50, 25293, 13.2f, 38.039f, 48872, 17635, 0.942f, 10, 4.91e8f, 11.796f}},
        {"PFC.sct", 7, "200 x 75 x 23 PFC        ",
         {200, 75, 6, 12.5f, 12, 0, 75, 151, 0, 43, 205000, 2986.8f, 1.9629e7f, 1700100, 81.066f, 23.858f, 24.8f,
          50.228f, 100, 110900, 18.3f, 54.903f, 226960, 60848, 0.956f, 14.8f, 1.07e10f, 15.289f}},
        {"PFC.sct", 16, "430 x 100 x 64 PFC       ",
         {430, 100, 11, 19, 15, 0, 100, 362, 0, 43, 205000, 8208.6f, 2.1939e8f, 7225000, 163.48f, 29.668f, 26.2f,
          73.798f, 215, 630020, 28.5f, 56.508f, 1222100, 175770, 0.917f, 22.5f, 2.19e11f, 9.545f}},
        {"UPN.sct", 1, "U  30 x 15               ",
         {30, 15, 4, 4.5f, 4.5f, 2, 15, 11.8f, 4.574f, 43, 205000, 224.36f, 25653, 3919.4f, 10.693f, 4.1797f, 5.26f,
          9.737f, 15, 1667.7f, 7.83f, 9.684f, 2209.6f, 764.42f, 0.877f, 4.8998f, 545841.9f, 3.74f}},
        {"UPN.sct", 2, "U  30                    ",
         {30, 33, 5, 7, 7, 3.5f, 33, 0.835f, 4.574f, 43, 205000, 553.85f, 64571, 51791, 10.797f, 9.6701f, 13.5f,
          19.464f, 15, 9609.4f, 11.7f, 32.335f, 5668.4f, 4657.1f, 0.558f, 3.981f, 1.111358e7f, 12}},
        {"UPN.sct", 24, "U  400                   ",
         {400, 110, 14, 18, 18, 9, 110, 325, 2.8624f, 43, 205000, 9144.1f, 2.0342e8f, 8486100, 149.15f, 30.464f, 26.8f,
          83.227f, 200, 835590, 31.5f, 55.327f, 1235300, 191700, 0.887f, 19.926f, 2.4027e11f, 11.43f}},
        {"C.sct", 1, "C 75 x 6",
         {76.2f, 35.8f, 4.3f, 6.9f, 6.86f, 2.3f, 35.8f, 45.5275f, 9.462f, 43, 205000, 772.445f, 686288, 81103,
          29.8071f, 10.2467f, 11.118f, 24.682f, 38.1f, 11286.6f, 12.1828f, 23.6203f, 21562.3f, 6531.48f, 0.897324f,
          9.64094f, 8.59562e7f, 6.91f}},
        {"C.sct", 29, "C 250 x 45",
         {254, 77, 17.1f, 11.1f, 8.64f, 3.6f, 77, 207.179f, 9.462f, 43, 205000, 5687.22f, 4.30635e7f, 1634650,
          87.0171f, 16.9536f, 16.5133f, 60.4867f, 127, 512524, 29.1602f, 24.9259f, 438702, 61814.2f, 0.816112f,
          13.5458f, 2.1094e10f, 11.195f}},
        {"C.sct", 37, "C380 x 74",
         {381, 94.4f, 18.2f, 16.5f, 12.7f, 6.1f, 94.4f, 313.7833f, 9.462f, 43, 205000, 9475.175f, 1.679694e8f, 4567779,
          133.144f, 21.95629f, 20.29962f, 74.10038f, 190.5f, 1113930, 35.47916f, 34.12679f, 1123235, 132745.2f,
          0.8307419f, 17.68786f, 1.311093e11f, 12.435f}},
    };
    sect::ExpectReferenceRows("RSC", Columns, rows);
}

}  // namespace
