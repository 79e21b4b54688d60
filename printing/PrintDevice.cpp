#include "PrintDevice.h"
#include "FileFault.h"
#include "RunError.h"

namespace {

class PrinterDevice : public PrintDevice {
public:
    void BeginDoc() override { gui::Printer::Get().BeginDoc(gui::ApplicationTitle()); }
    void NewPage() override { gui::Printer::Get().NewPage(); }
    void EndDoc() override { gui::Printer::Get().EndDoc(); }
    void Abort() override { gui::Printer::Get().Abort(); }
    std::string OutputFile() const override { return gui::Printer::Get().OutputFile(); }
    int PageNumber() const override { return gui::Printer::Get().PageNumber(); }
    gui::Canvas& Canvas() override { return gui::Printer::Get().GetCanvas(); }
    int DpiX() const override { return gui::Printer::Get().GetDeviceCaps(gui::LOGPIXELSX); }
    int DpiY() const override { return gui::Printer::Get().GetDeviceCaps(gui::LOGPIXELSY); }
};

PrinterDevice printer;
PrintDevice* current = nullptr;

}  // namespace

PrintDevice& CurrentPrintDevice() { return current ? *current : printer; }
void SetPrintDevice(PrintDevice* device) { current = device; }

void PrintDocument(PrintDevice& device, const std::function<void()>& draw) {
    const std::string pdf = device.OutputFile();
    try {
        const gui::Busy busy;
        device.BeginDoc();
        draw();
        device.EndDoc();
    } catch (const std::exception& e) {
        device.Abort();
        // The file moves with the current folder: say which one was not written.
        if (!pdf.empty()) throw RunError("Report not written to " + pdf + ": " + WriteFault(e.what()));
        throw;
    }
    if (!pdf.empty()) gui::ShowMessage("Report written to " + pdf);
}
