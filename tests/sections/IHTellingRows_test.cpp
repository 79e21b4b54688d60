// The records that the tables fix value by value, compared byte for byte with
// the written files: designation, every single, kind and record number.
#include <gtest/gtest.h>
#include <utility>
#include <vector>
#include "SectionFiles.h"

namespace {
using namespace sect;
using namespace Offset;

struct TellingRow {
    const char* file;
    int recNo;
    const char* designation;   // "" for a blank record
    const char* kind;
    Singles singles;
};

// Fields shared by the parallel-flange sections: dimensions, then the derived values.
Singles IRow(float D, float B, float t, float T, float r, float web, float grade, Singles rest) {
    Singles v = {{Depth, D},      {Width, B},     {WebThk, t}, {FlangeThk, T},  {RootRad, r},  {Outstand, B / 2},
                 {WebDepth, web}, {Grade, grade}, {E, 205000}, {XFibre, B / 2}, {YFibre, D / 2}};
    v.insert(v.end(), rest.begin(), rest.end());
    return v;
}

Singles Derived(float A, float Ix, float Iy, float rx, float ry, float K, float tt, float sx, float sy, float u,
                float x, float H) {
    return {{Area, A}, {Ixx, Ix},     {Iyy, Iy}, {Rxx, rx},       {Ryy, ry},           {TorsionK, K},
            {TorsionT, tt}, {Sxx, sx}, {Syy, sy}, {BucklingU, u}, {TorsionalIndex, x}, {WarpingH, H}};
}

Singles RsjRow(float D, float B, float t, float T, float r1, float r2, float web, Singles rest) {
    Singles v = IRow(D, B, t, T, r1, web, 0, rest);
    v.push_back({ToeRad, r2});
    v.push_back({FlangeAngle, 8});
    return v;
}

const std::vector<TellingRow>& Rows() {
    static const std::vector<TellingRow> rows = {
        {"UB.sct", 1, "127 x 76 UB 13", "Beam",
         IRow(127, 76, 4, 7.6f, 7.6f, 96.6f, 43,
              Derived(1652, 4734400, 557410, 53.534f, 18.369f, 28512, 13.796f, 84604, 22498, 0.89764f, 16.267f, 1.9867e9f))},
        {"UB.sct", 2, "", "", {}},
        {"UB.sct", 87, "838 x 292 UB 226", "Beam",
         IRow(850.9f, 293.8f, 16.1f, 26.8f, 17.8f, 761.7f, 43,
              Derived(28856, 3.397e9f, 1.136e8f, 343.11f, 62.743f, 5136600, 47.029f, 9163200, 1210500, 0.87043f, 34.96f,
                      1.9287e13f))},
        {"UB.sct", 95, "914 x 419 UB 388", "Beam",
         IRow(921, 420.5f, 21.4f, 36.6f, 24.1f, 799.6f, 43,
              Derived(49422, 7.1964e9f, 4.5438e8f, 381.59f, 95.885f, 1.7342e7f, 63.804f, 1.7686e7f, 3338200, 0.88504f,
                      26.723f, 8.8851e13f))},
        {"UC.sct", 1, "152 UC 23", "Beam",
         IRow(152.4f, 152.2f, 5.8f, 6.8f, 7.6f, 123.6f, 43,
              Derived(2924.5f, 1.2498e7f, 3999200, 65.372f, 36.979f, 46348, 14.066f, 182400, 80075, 0.84051f, 20.701f,
                      2.1195e10f))},
        {"UC.sct", 25, "356 UC 129", "Beam",
         IRow(355.6f, 368.6f, 10.4f, 17.5f, 15.2f, 290.2f, 43,
              Derived(16434, 4.0246e8f, 1.4611e8f, 156.49f, 94.293f, 1526100, 31.705f, 2483400, 1198500, 0.84465f,
                      19.858f, 4.1756e12f))},
        {"UC.sct", 36, "356 UC 634", "Beam",
         IRow(474.6f, 424, 47.6f, 77, 15.2f, 290.2f, 43,
              Derived(80755, 2.7485e9f, 9.8125e8f, 184.48f, 110.23f, 1.3724e8f, 151.08f, 1.4251e7f, 7107700, 0.84368f,
                      5.459f, 3.878e13f))},
        {"UC.sct", 37, "", "Beam", {}},
        {"RSJ.sct", 1, "76 x 76 x 13 RSJ", "RSJ",
         RsjRow(76.2f, 76.2f, 5.1f, 8.4f, 9.4f, 4.6f, 38.1f,
                Derived(1628.6f, 1579300, 518460, 31.14f, 17.84f, 45955, 17.5f, 48654, 22424, 0.85098f, 7.2051f,
                        5.9267e8f))},
        {"RSJ.sct", 2, "89 x 89 x 19 RSJ", "RSJ",
         RsjRow(88.9f, 88.9f, 9.5f, 9.9f, 11.1f, 3.2f, 44.2f,
                Derived(2496.7f, 3063600, 1011900, 35.03f, 20.13f, 115140, 22.6f, 82577, 37961, 0.82954f, 6.5567f,
                        1.5655e9f))},
        {"RSJ.sct", 3, "102 x 44 x 7 RSJ", "RSJ",
         RsjRow(101.6f, 44.5f, 4.3f, 6.1f, 6.9f, 3.3f, 74.6f,
                Derived(952.69f, 1528400, 78265, 40.05f, 9.06f, 12551, 12.6f, 35354, 6027.4f, 0.87075f, 14.868f,
                        1.7789e8f))},
        {"RSJ.sct", 9, "254 x 203 x 82 RSJ", "RSJ",
         RsjRow(254, 203.2f, 10.2f, 19.9f, 19.6f, 9.7f, 167,
                Derived(10468, 1.2015e8f, 2.2829e7f, 107.14f, 46.7f, 1517100, 40.9f, 1075900, 370750, 0.88968f,
                        10.989f, 3.1181e11f))},
        {"IPE.sct", 1, "IPE 100 A", "Beam",
         IRow(98, 55, 3.6f, 4.7f, 7, 74.6f, 43,
              Derived(878.02f, 1411600, 131220, 40.096f, 12.225f, 7270, 10.192f, 33238, 7474.5f, 0.87911f, 18.352f,
                      2.8556e8f))},
        {"IPE.sct", 50, "IPE 360 A", "Beam",
         IRow(357.6f, 170, 6.6f, 11.5f, 18, 298.6f, 43,
              Derived(6396.5f, 1.4516e8f, 9442700, 150.64f, 38.422f, 273680, 24.082f, 911070, 170740, 0.8921f, 29.948f,
                      2.8277e11f))},
        {"IPE.sct", 92, "IPE 750 x 222", "Beam",
         IRow(778, 269, 17, 29.5f, 17, 685, 43,
              Derived(28342, 2.7821e9f, 9.6038e7f, 313.3f, 58.211f, 6013500, 50.827f, 8233300, 1121400, 0.87332f,
                      29.084f, 1.3451e13f))},
        {"HE.sct", 1, "HE 100 AA", "Beam",
         IRow(91, 100, 4.2f, 5.5f, 12, 56, 43,
              Derived(1559.6f, 2365100, 920610, 38.942f, 24.296f, 23254, 13.746f, 59361, 28118, 0.83415f, 12.533f,
                      1.6825e9f))},
        {"HE.sct", 52, "HE 300  C", "Beam",
         IRow(320, 305, 16, 29, 27, 208, 43,
              Derived(22508, 4.0951e8f, 1.3736e8f, 134.89f, 78.121f, 6040900, 52.287f, 2948600, 1370700, 0.85673f,
                      10.054f, 2.908e12f))},
        {"HE.sct", 124, "HE 1000  M", "Beam",
         IRow(1008, 302, 21, 40, 30, 868, 43,
              Derived(44421, 7.223e9f, 1.8459e8f, 403.24f, 64.464f, 1.713e7f, 69.153f, 1.6604e7f, 1934500, 0.87313f,
                      27.9f, 4.3242e13f))},
        {"WsBeam.sct", 1, "W 6 x 4 x 9", "Beam",
         IRow(150, 100, 4.3f, 5.5f, 6.3f, 126.4f, 0,
              Derived(1731.77f, 6865220, 918066, 62.9625f, 23.0246f, 16997.2f, 11.1847f, 102793, 28218.5f, 0.87445f,
                      26.106f, 4.79236e9f))},
        {"WsBeam.sct", 4, "", "", {}},
        {"WsBeam.sct", 169, "W33 x 15-3/4 x 424", "Beam",
         IRow(923, 414, 35.1f, 63, 17.6f, 761.8f, 0,
              Derived(80404.6f, 1.11846e10f, 7.48056e8f, 372.966f, 96.4554f, 7.92814e7f, 112.436f, 2.81271e7f, 5649130,
                      0.88649f, 15.5014f, 1.38316e14f))},
        {"WsBeam.sct", 202, "W40 x 12 x 359", "Beam",
         IRow(1046, 311.4f, 33, 58.9f, 29, 870.2f, 0,
              Derived(68035.4f, 1.12966e10f, 2.9961e8f, 407.48f, 66.3607f, 5.54822e7f, 100.287f, 2.55902e7f, 3120390,
                      0.86713f, 19.5645f, 7.29826e13f))},
        {"WsCol.sct", 1, "W 6 x 6 x 15", "Beam",
         IRow(152.1f, 152.1f, 5.8f, 6.6f, 8, 122.9f, 0,
              Derived(2868.28f, 1.21802e7f, 3874210, 65.1653f, 36.752f, 44022.1f, 14.0199f, 178206, 77674.4f, 0.83979f,
                      21.0211f, 2.05045e10f))},
        {"WsCol.sct", 4, "", "", {}},
        {"WsCol.sct", 47, "W14 x 16 x 145", "Beam",
         IRow(375.4f, 393.7f, 17.3f, 27.7f, 15.2f, 289.6f, 0,
              Derived(27545.3f, 7.12712e8f, 2.81893e8f, 160.855f, 101.162f, 6326300, 48.4999f, 4271910, 2172410,
                      0.83281f, 12.9858f, 8.51989e12f))},
        {"WsCol.sct", 66, "W 14 x 16 x 730", "Beam",
         IRow(569.4f, 454.4f, 78, 125, 15.2f, 289, 0,
              Derived(138711, 5.97332e9f, 1.96766e9f, 207.516f, 119.102f, 6.05875e8f, 286.029f, 2.72876e7f, 1.33985e7f,
                      0.85147f, 3.80588f, 9.7149e13f))},
    };
    return rows;
}

TEST(IHTellingRows, AreWrittenByteForByte) {
    for (const TellingRow& row : Rows()) {
        SCOPED_TRACE(row.file);
        std::string padded = row.designation;
        padded.resize(25, ' ');
        ExpectRecord(Written(row.file), row.recNo, padded, row.kind, row.singles);
    }
}

}  // namespace
