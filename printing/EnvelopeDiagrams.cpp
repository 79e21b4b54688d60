// The envelope diagram page: every loadcase's loads and curves drawn over one
// another, the reaction extremes and the scale rules of all loadcases.
#include "BeamRules.h"
#include "DiagramFrame.h"
#include "Global.h"
#include "PrintDevice.h"
#include "PrintPages.h"
#include "ResultTexts.h"
#include "SigFig.h"
#include "gui.h"

namespace {

const DiagramLayout EnvelopeLayout{
    "  Envelope Diagrams ",
    {15, 20, 20},
    {"ALL APPLIED LOADS", 90, 15},
    {{"SHEAR ENVELOPE", 90, 20}, {"MOMENT ENVELOPE", 90, 22.5}, {"DEFLECTION ENVELOPE", 90, 22.5}},
    {{"", 98, 25}, {"", 100, 27.5}, {"", 100, 27.5}},
};

}  // namespace

void PrintEnvelopeDiagrams(PrintDevice& device) {
    if (!DiagramsPrintable()) return;
    DiagramPage page(device, EnvelopeLayout);
    page.Begin();
    const DiagramGrid& g = page.Grid();
    // Only the simple and the fixed shapes on this page.
    if (SupportTypes[0] == SupportSimple || SupportTypes[0] == SupportFixed)
        page.Support(SupportTypes[0], SupportPlace::Left, g.X(g.P[0]));
    for (int s = 1; s <= NumSpans - 1; ++s) page.Support(SupportSimple, SupportPlace::Inner, g.X(g.P[s]));
    if (SupportTypes[25] == SupportFixed) page.Support(SupportFixed, SupportPlace::Right, g.X(g.P[25]));
    else page.Support(SupportSimple, SupportPlace::Right, g.X(g.P[NumSpans]));

    PageLoads loads;
    for (int c = 1; c <= NumLoadcases; ++c)
        for (int slot = 1; slot <= 50; ++slot) loads.Take(c, slot, false);
    loads.selfWeight = AppliedInSomeLoadcase(LoadTable, SelfWeightSlot, NumLoadcases);
    page.LoadProfile(loads);
    if (loads.selfWeight) page.SelfWeight();
    page.Arrows(loads);
    for (Band b : Bands)
        for (int c = 1; c <= NumLoadcases; ++c) page.Curve(b, c, b == Band::Deflection);
    page.ZeroLines();
    page.ScaleRules(0);
    page.BandCaptions();
    // The values last, where no stroke or caption crosses them.
    DiagramPage::ReactionRow most{{}, 6, "Max"}, least{{}, 10, "Min"};
    for (int s = 1; s <= NumSpans + 1; ++s) {
        if (ReactionMaxPos[s] != 0) most.texts.push_back({s, SigFig3Dec3(ReactionMaxPos[s] * Factor_Sh)});
        if (ReactionMaxNeg[s] != 0) least.texts.push_back({s, SigFig3Dec3(ReactionMaxNeg[s] * Factor_Sh)});
    }
    page.LengthsAndReactions({most, least});
    page.LoadsCaption();
}
