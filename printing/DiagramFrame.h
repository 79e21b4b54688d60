// The frame that the printed diagram pages share: a millimetre grid, the beam
// with its supports and loads, lengths, captions, result curves, zero lines
// and scale rules. Each page routine lays its page out from a DiagramLayout.
#pragma once
#include <optional>
#include <string>
#include <vector>
#include "Bounded.h"
#include "Picture.h"
#include "TextPlace.h"

class PrintDevice;
namespace gui { class Canvas; }

enum class Band { Shear, Moment, Deflection };
constexpr Band Bands[] = {Band::Shear, Band::Moment, Band::Deflection};
constexpr std::optional<Band> AboveBeam{};  // the loads' zone, where a value takes a band

// Device units from millimetres at the printer's resolution.
struct DiagramGrid {
    explicit DiagramGrid(const PrintDevice& device);
    float sx, sy;                 // device units per mm across and down
    int XL, XR, YB, YS, YM, YD;   // beam ends, beam axis, band zero lines
    int Top, Right, Bottom;       // where labels stand: under the page header, short of the paper's edges
    SupportRow P;                 // support positions, mm from the left end
    int MmX(double mm) const;
    int MmY(double mm) const;
    int X(double p) const;        // p mm along the beam
    int PointX(float dist) const; // a point load's arrow, its distance scaled in single precision
    int Zero(Band b) const;
    int Y(Band b, double value) const;  // a summary value on its band's scale rule
};

struct CaptionPlace {
    std::string text;
    double xMm, dyMm;  // across; down from the loads axis or the band's zero line
};

struct DiagramLayout {
    std::string title;
    double bandMm[3];            // band heights: shear, moment, deflection
    CaptionPlace loads;
    CaptionPlace bands[3];
    CaptionPlace units[3];       // text is filled from the unit names
};

struct UdlEntry { float start, w1, w2, cover; };
struct PointEntry { float dist, load, factor; };

// The page's lists of loads: up to 50 of a loadcase, 1250 over all of them.
struct PageLoads {
    std::vector<UdlEntry> udls;
    std::vector<PointEntry> points;
    bool selfWeight = false;
    // Slot `slot` of a loadcase; same points of equal distance, load and factor
    // are kept once when `unique` is set.
    void Take(int loadcase, int slot, bool unique);
};

enum class SupportPlace { Left, Inner, Right };

class DiagramPage {
public:
    DiagramPage(PrintDevice& device, const DiagramLayout& layout);
    const DiagramGrid& Grid() const { return g_; }
    gui::Canvas& Canvas() { return c_; }
    void Text(int x, int y, const std::string& text, int size = 8);
    // A value of size 8 where nothing drawn crosses it (PlaceLines, kept): at
    // (x, y), else moved clear, preferably in the direction dir (-1 up, +1
    // down); it starts no further left than `leftmost`, ends short of the
    // paper's edge and returns the box it covers, none where its zone has no
    // room. It stays in its zone, so that it is read as what it is: a load
    // value (band AboveBeam) between the page header and the beam; a band's
    // peak between the zero lines' midpoints, the shear band's from under the
    // rows below the beam, the deflection band's down to the page's foot.
    // Values moves the lines of one label together.
    std::optional<gui::Rect> Value(int x, int y, const std::string& text, int dir, std::optional<Band> band,
                                   int leftmost = 0);
    std::optional<gui::Rect> Values(int x, int y, const std::vector<LabelLine>& lines, int dir,
                                    std::optional<Band> band, int leftmost = 0);

    // Header, title, the shared scales, font size 8, beam axis.
    void Begin();
    void Support(int kind, SupportPlace place, int x);
    void LoadProfile(const PageLoads& loads);
    void SelfWeight();
    void Arrows(const PageLoads& loads);
    // Labels last, after every stroke. Below the beam the member lengths,
    // then the rows of reactions, each row at its place or, where the one
    // above took more lines, below it; every value by its member or support
    // (PlaceRow), on lines above the shear zero line, each row leaving the
    // rows after it room for their first lines. When a row takes more than
    // one line, each row gets its title at the left, further left where a
    // scale rule's value stands there; no value of a titled row starts left
    // of its title's end. The loads caption follows under the rows.
    struct ReactionRow {
        std::vector<std::pair<int, std::string>> texts;  // support and value
        double belowMm;
        std::string title;
    };
    void LengthsAndReactions(const std::vector<ReactionRow>& rows);
    void BandCaptions();
    void LoadsCaption();
    // One loadcase's curve; the envelope starts its deflection at point 1.
    void Curve(Band b, int loadcase, bool fromFirstPoint = false);
    void ZeroLines();
    // Scale rules of the three bands from the extremes of a loadcase (0: all).
    void ScaleRules(int loadcase);

private:
    PrintDevice& device_;
    gui::Canvas& c_;
    DiagramGrid g_;
    const DiagramLayout& layout_;
    int rowsEnd_ = 0;  // where the next row below the beam may begin
    // Places a row of values below the beam from `top`, none starting left
    // of `left`, above `bottom` where they can; returns where the next may begin.
    int Row(int top, int pitch, const std::vector<RowLabel>& row, int left, int bottom);
};

// Nothing is printed without a beam or when no loadcase deflects.
bool DiagramsPrintable();
