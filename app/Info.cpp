#include "Info.h"

TInfoFrm* InfoFrm = nullptr;

namespace {
struct InfoLine { int left, top; const char* text; bool bold; };
const InfoLine Lines[] = {
    {10, 16, "UNITS ", true},
    {10, 40, "This program has been written for general engineering analysis.", false},
    {10, 64, "Input and output units may be set to a number of commonly used standard units.", false},
    {10, 96, "For ease of use, output is displayed to three or four significant figures ", false},
    {10, 112, "with  values < 1 shown to a maximum of two or three decimal places respectively ", false},
    {10, 152, "DISCLAIMER", true},
    {10, 176, "This program is supplied as is.", false},
    {10, 192, "The makers of Korvela disclaim all warranties, expressed or implied, including", false},
    {10, 208, "without limitation the warranties of merchantability and of fitness for any", false},
    {10, 224, "purpose, and accept no liability for any damages, direct or consequential,", false},
    {10, 240, "which may result from the use of this program.", false},
    {8, 296, "SUGGESTIONS / PROBLEMS", true},
    {10, 320, "Every effort has been made to ensure the accuracy and fitness for purpose ", false},
    {10, 336, "of this program, but If you find an error, or have any suggestions for improvement ", false},
    {10, 352, "please write to the Korvela developers.", false},
    {10, 408, "Korvela is written and maintained by its founding engineers.", false},
};
}  // namespace

TInfoFrm::TInfoFrm() : gui::Form("Info") {
    SetBorder(gui::Border::ToolWindow);
    SetClientSize(546, 490);
    CentreOnScreen();
    for (const InfoLine& l : Lines) {
        auto label = std::make_unique<gui::Label>(*this, l.text);
        label->SetBounds(l.left, l.top, 530, 16);
        label->SetTransparent(true);
        label->SetFont({"MS Sans Serif", 8, 13, gui::clBlack, l.bold});
        lines_.push_back(std::move(label));
    }
    Button1.SetBounds(400, 392, 65, 41);
    Button1.SetFont({"MS Sans Serif", 8, 17});
    Button1.BringToFront();  // the author line runs under it
    Button1.OnClick = [this] { Hide(); };
    Button1.SetDefault(true);
    SetDialogKeys();
}
