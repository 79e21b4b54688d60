#include "Pro_PrintHeader.h"
#include <algorithm>
#include <string>
#include <vector>
#include "Global.h"
#include "ShortString.h"
#include "PrintDevice.h"

namespace {

// Texts on a grid of 1/25 inch: size in points, column and row in steps.
// A path keeps its end, the file's name, when it has to be shortened; it
// gives way to the text before it on its row, so that the path is shortened
// before that text is.
struct HeaderText {
    int size, col, row;
    std::string text;
    bool path = false;
};

constexpr int RightEdge = 200;  // column where the rules end
constexpr int Gap = 2;          // steps left free before the next text

// The text, or as much of it as fits `room` with "..." standing for the
// rest, cut between characters: one whole character at a time is left out.
std::string Fitted(const gui::Canvas& c, const std::string& text, int room, bool keepEnd) {
    if (c.TextWidth(text) <= room) return text;
    const std::string dots = "...";
    std::string kept = text;
    while (!kept.empty()) {
        if (keepEnd) {
            size_t first = 1;
            while (first < kept.size() && Continuation(kept[first])) ++first;
            kept.erase(0, first);
        } else {
            kept.resize(CharacterStart(kept.data(), kept.size() - 1));
        }
        const std::string shown = keepEnd ? dots + kept : kept + dots;
        if (c.TextWidth(shown) <= room) return shown;
    }
    return "";
}

// Where each text of the header goes and what of it is shown, in device
// units of h per step across.
class HeaderLayout {
public:
    HeaderLayout(gui::Canvas& c, const std::vector<HeaderText>& texts, int h) : c_(c), texts_(texts), h_(h) {}

    int Left(const HeaderText& t) const {
        const HeaderText* before = Neighbour(t, -1);
        if (!t.path || !before) return t.col * h_;
        return std::max(t.col * h_, Left(*before) + Width(*before, Shown(*before)) + Gap * h_);
    }

    std::string Shown(const HeaderText& t) const {
        const int room = End(t) - Left(t);
        SetSize(t);
        return Fitted(c_, t.text, room, t.path);
    }

private:
    // The nearest text with something to show on t's row, before (-1) or after (+1) it.
    const HeaderText* Neighbour(const HeaderText& t, int side) const {
        const HeaderText* found = nullptr;
        for (const HeaderText& u : texts_)
            if (u.row == t.row && !u.text.empty() && (u.col - t.col) * side > 0 &&
                (!found || (u.col - found->col) * side < 0))
                found = &u;
        return found;
    }

    // Short of the next text on the row, or of where a path after it must
    // begin to show its file's name.
    int End(const HeaderText& t) const {
        const HeaderText* after = Neighbour(t, 1);
        if (!after) return RightEdge * h_;
        if (t.path || !after->path) return (after->col - Gap) * h_;
        const size_t slash = after->text.find_last_of("/\\");
        const std::string least = slash == std::string::npos ? after->text : "..." + after->text.substr(slash);
        return std::max((after->col - Gap) * h_, End(*after) - Width(*after, least) - Gap * h_);
    }

    void SetSize(const HeaderText& t) const { c_.TextFont.Size = t.size; }
    int Width(const HeaderText& t, const std::string& text) const {
        SetSize(t);
        return c_.TextWidth(text);
    }

    gui::Canvas& c_;
    const std::vector<HeaderText>& texts_;
    int h_;
};

}  // namespace

void PrintPageHeader(PrintDevice& device) {
    gui::Canvas& c = device.Canvas();
    const int h = device.DpiX() / 25;
    const int v = device.DpiY() / 25;
    auto rule = [&](int row) {
        c.MoveTo(15 * h, row * v);
        c.Pen.Width = 3;
        c.LineTo(RightEdge * h, row * v);
    };
    const std::vector<HeaderText> lines = {
        {15, 15, 7, Header_Company.str()},
        {12, 15, 15, Header_Project_1.str()},
        {11, 15, 20, Header_Project_2.str()},
        {11, 15, 25, Header_JobDesc.str()},
        {10, 15, 30, Header_Ref.str()},
        {9, 160, 15, "by  " + Header_User.str()},
        {9, 160, 20, gui::DateText() + "  " + gui::TimeText()},
        {9, 160, 30, "Page " + std::to_string(device.PageNumber())},
        {9, 50, 30, BeamFileName, true},
    };
    c.TextFont.Name = "Arial";
    c.TextFont.Height = 0;
    c.TextFont.Size = 9;
    c.TextOut(15 * h, 0, gui::ApplicationTitle());
    rule(5);
    // Each text ends short of the next one drawn on its row, or of the rules' end.
    const HeaderLayout layout(c, lines, h);
    for (const HeaderText& t : lines) {
        const std::string shown = layout.Shown(t);
        const int left = layout.Left(t);
        c.TextFont.Size = t.size;
        c.TextOut(left, t.row * v, shown);
    }
    rule(35);
}
