#include "Global.h"
#include <filesystem>

double BeamLength = 0;
int32_t NumSpans = 0;
int32_t NumLoadcases = 0;

BArray2<double, 0, 27, 0, 19> BeamGeometryTable;
BArray<int32_t, 0, 25> SupportTypes;

BArray2<LoadRecord, 1, 25, 1, 51> LoadTable;
BArray<int32_t, 0, 25> LoadcaseActive;
BArray<float, 1, 25> CaseAppliedLoad;
BArray<double, 1, 25> CaseLoadTotal;

int32_t ResultsReady = 0;
int32_t FactoredLoads = -1;
int32_t SameForAllSpans = 0;
int32_t SavedSpanIntervals = 0;
int32_t DisplayMode = 0;
int32_t LoadCaseShown = 0;

ShortString<10> Material;
ShortString<25> SectionFamily;
BArray<ShortString<100>, 0, 26> SpanDescription;
BArray<ShortString<60>, 0, 50> UniformSectionText;
ShortString<25> VersionNo("4.3");
ShortString<25> VersionSub(".2");
ShortString<25> FileMark("KVL");
std::string BeamFileName;

int32_t BMConvention = 0;
ShortString<25> PlasticModXName, PlasticModYName, ElasticModXName, ElasticModYName;
int32_t DecimalPlaces = 0;

ShortString<100> Header_Company, Header_User, Header_Project_1, Header_Project_2, Header_JobDesc,
    Header_Ref;
std::string StartDir;
std::string ProgramFile(const std::string& name) { return (std::filesystem::path(StartDir) / name).string(); }
int32_t IndexFrmShown = -1;

int32_t TwentiethStep = 0;
BArray2<float, 1, 25, 1, 26> DirectSupportLoad;
BArray2<int32_t, 1, 25, 1, 26> NodeSkipFlag;
BArray2<float, 1, 25, 1, 2> CantMomentMax, CantMomentMin;
BArray2<float, 0, 25, 1, 25> SpanMomentMax, SpanMomentMin, SpanMomentMaxX, SpanMomentMinX;
BArray2<double, 1, 25, 1, 26> SpanMaxDeflection;

BArray3<float, 1, 25, 0, 26, 1, 201> CaseShear, CaseMoment;
BArray3<float, 1, 25, 0, 26, 1, 21> CaseDeflection;
BArray3<float, 1, 25, 1, 2, 1, 201> CaseCantShear, CaseCantMoment;
BArray3<float, 1, 25, 1, 2, 1, 22> CaseCantDeflection;
BArray2<double, 1, 25, 1, 26> CaseReaction;
BArray<float, 1, 25> ReactionTotal;

BDynArray<ShearSeriesCase> ShearSeries;
BDynArray<MomentSeriesCase> MomentSeries;
BDynArray<DeflectionSeriesCase> DeflectionSeries;

BArray2<MemberSummary, 0, 25, 0, 27> ShearSummary, MomentSummary, DeflectionSummary;

BArray3<EnvShearPoint, 0, 25, 0, 26, 1, 21> EnvelopeShear;
BArray3<EnvMomentPoint, 0, 25, 0, 26, 1, 21> EnvelopeMoment;

BArray<UDLOutlineCase, 1, 25> AcceptedUDLOutline;

// Loads window: rows and apply flags.
BArray<LoadRecord, 1, 51> LoadRows;
BArray2<float, 1, 25, 1, 51> ApplyFlags;
BArray<UDLOutlineCase, 1, 25> UDLOutline;
int32_t LoadRowsShown = 0;
int32_t SelfWeightScope = 0;

// Beam data window: the beam being edited.
BArray2<std::string, 0, 27, 0, 6> SpanTextTable;
BArray<std::string, 0, 26> SpanDescText;
int32_t SpanCount = 0;
int32_t SpanNo = 0;
int32_t SpanNoStored = 0;
BArray<int32_t, 0, 25> SupportChoice;
float SketchLength = 0;
std::string SectionShape, MaterialCode, FamilyCode, SectionFileName;
float TimberW = 0, TimberH = 0, TimberWStored = 0, TimberHStored = 0;

// Results at a point.
float PointDistance = 0;
