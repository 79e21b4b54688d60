#include <gtest/gtest.h>
#include <sys/stat.h>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include "ErrorOf.h"
#include "Global.h"
#include "Preferences.h"
#include "RunError.h"
#include "TempDir.h"
#include "UnitSettings.h"

namespace {

std::string Bytes(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void WriteBytes(const std::string& name, const std::string& bytes) {
    std::ofstream(name, std::ios::binary) << bytes;
}

// The settings that the preferences window's OK stores for the defaults.
void SetSavedDefaults() {
    ApplyDefaultUnits();
    ApplyFixedUnits();
    FactoredLoads = 1;
}

const std::string Golden = Bytes(std::filesystem::path(TEST_DATA_DIR) / "kvl3_Unit2.golden");

// A fresh folder, current and the program folder.
struct ProgramDir : TempDir {
    ProgramDir() { StartDir = path().string(); }
};

// Every quantity's unit and factor, in the order of the settings file.
using UnitList = std::vector<std::pair<std::string, float>>;
UnitList UnitsInForce() {
    UnitList units;
    for (const DisplayUnit& u : Units) units.emplace_back(u.Name.str(), u.Factor);
    return units;
}
const UnitList Defaults = {{"m", 1000},    {"mm", 1},     {"kN", 1000},   {"kN/m", 1},      {"kN", 0.001f},
                           {"kN-m", 1e-06f}, {"mm", 1},   {"N/mm^2", 1}, {"N/mm^2", 1},  {"cm^4", 10000},
                           {"cm^3", 1000},  {"cm^2", 100}, {"kg/m", 0.00785f}, {"dm^6", 1e-12f}};

TEST(UnitSettings, DefaultsWhenThereIsNoFile) {
    ProgramDir dir;
    ApplyFixedUnits();  // as at start-up
    FactoredLoads = -1;
    Unit_L = "ft";
    EXPECT_FALSE(ReadUnitSettingsFile());
    TPreferencesFrm prefs;  // reads the settings on creation
    EXPECT_EQ(UnitsInForce(), Defaults);  // the warping unit as at start-up
    EXPECT_EQ(PlasticModXName, "Sxx");
    EXPECT_EQ(ElasticModXName, "Zxx");
    EXPECT_EQ(PlasticModYName, "Syy");
    EXPECT_EQ(ElasticModYName, "Zyy");
    EXPECT_EQ(BMConvention, 1);
    EXPECT_EQ(FactoredLoads, -1);  // kept
}

TEST(UnitSettings, WritesAndReadsTheFileByteForByteInTheProgramFolder) {
    ProgramDir dir;
    std::filesystem::create_directory("elsewhere");
    std::filesystem::current_path("elsewhere");
    SetSavedDefaults();
    FileMark = "KVL";
    WriteUnitSettingsFile();
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "elsewhere" / UnitSettingsFileName));
    std::string written = Bytes(dir.path() / UnitSettingsFileName);
    ASSERT_EQ(written.size(), 972u);
    EXPECT_EQ(written, Golden);
    EXPECT_EQ(FileMark, "Junk");
    // Read back from there too, wherever a file dialog has left the current folder.
    ApplyDefaultUnits();
    FactoredLoads = -1;
    EXPECT_TRUE(ReadUnitSettingsFile());
    EXPECT_EQ(FactoredLoads, 1);
}

TEST(UnitSettings, ReadsBackWhatWasWrittenAndOnlyTheFirst322Bytes) {
    ProgramDir dir;
    WriteBytes(UnitSettingsFileName, Golden);
    ApplyDefaultUnits();
    Unit_L = "ft";
    Factor_L = 304.8f;
    Unit_H = "";
    FactoredLoads = -1;
    ASSERT_TRUE(ReadUnitSettingsFile());
    EXPECT_EQ(UnitsInForce(), Defaults);
    EXPECT_EQ(FactoredLoads, 1);
    EXPECT_EQ(BMConvention, 1);

    WriteBytes(UnitSettingsFileName, Golden.substr(0, 322));  // exactly the settings
    Unit_L = "ft";
    EXPECT_TRUE(ReadUnitSettingsFile());
    EXPECT_EQ(Unit_L, "m");

    // A unit not offered is taken as stored; a name ends at its capacity or its first NUL.
    std::string b = Golden;
    b[0] = char(255);
    b.replace(1, 10, std::string("yds\0\0\0\0\0\0\0", 10));
    const float f = 914.4f;
    b.replace(11, 4, reinterpret_cast<const char*>(&f), 4);
    WriteBytes(UnitSettingsFileName, b);
    ASSERT_TRUE(ReadUnitSettingsFile());
    EXPECT_EQ(Unit_L, "yds");
    EXPECT_EQ(Factor_L, 914.4f);

    // A read-only file is read all the same.
    WriteBytes(UnitSettingsFileName, Golden);
    std::filesystem::permissions(UnitSettingsFileName, std::filesystem::perms::owner_read,
                                 std::filesystem::perm_options::replace);
    EXPECT_TRUE(ReadUnitSettingsFile());
    EXPECT_EQ(Unit_L, "m");
}

// Every damaged file gives the defaults: short, a factor outside the range of
// the units offered, a switch that is neither +1 nor -1, or not a file.
TEST(UnitSettings, DamagedFilesGiveTheDefaults) {
    ProgramDir dir;
    auto with = [](int at, auto value) {
        std::string b = Golden;
        b.replace(at, 4, reinterpret_cast<const char*>(&value), 4);
        return b;
    };
    const std::pair<const char*, std::string> files[] = {
        {"short", Golden.substr(0, 321)},
        {"empty", std::string()},
        {"zero factor", with(41, 0.0f)},           // point load
        {"NaN factor", with(206, std::nanf(""))},  // warping constant
        {"negative factor", with(86, -1e-06f)},    // moment
        {"tiny factor", with(11, 1e-20f)},         // length
        {"huge factor", with(56, 3e38f)},          // load rate
        {"moment convention 0", with(314, int32_t(0))},
        {"factored loads 7", with(318, int32_t(7))},
    };
    auto expectDefaults = [](const char* kind) {
        SCOPED_TRACE(kind);
        Unit_PL = "Kips";
        Factor_Mom = -1e-06f;
        EXPECT_FALSE(ReadUnitSettingsFile());
        EXPECT_EQ(Factor_Mom, -1e-06f) << "nothing taken from the file";
        TPreferencesFrm prefs;  // reads the settings on creation
        EXPECT_EQ(UnitsInForce(), Defaults);
    };
    for (const auto& [kind, bytes] : files) {
        WriteBytes(UnitSettingsFileName, bytes);
        expectDefaults(kind);
    }
    std::filesystem::remove(UnitSettingsFileName);
    ::mkfifo(UnitSettingsFileName, 0600);
    expectDefaults("pipe");
    std::filesystem::remove(UnitSettingsFileName);
    std::filesystem::create_directory(UnitSettingsFileName);
    expectDefaults("folder");
}

TEST(UnitSettings, AFailedWriteIsReported) {
    ProgramDir dir;
    std::filesystem::create_directory(UnitSettingsFileName);  // cannot be created as a file
    SetSavedDefaults();
    EXPECT_EQ(ErrorOf(WriteUnitSettingsFile),
              "Default units not saved to " + (dir.path() / UnitSettingsFileName).string() + ": it is a folder");
    StartDir = (dir.path() / "missing").string();
    EXPECT_THROW(WriteUnitSettingsFile(), RunError);
}

}  // namespace
