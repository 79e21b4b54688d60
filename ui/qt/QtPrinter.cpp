#include <QBuffer>
#include <QFontMetrics>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <filesystem>
#include "BinFile.h"
#include "QtCommon.h"
#include "RunError.h"

namespace gui {

namespace {
constexpr int PdfResolution = 300;
std::string outputFile;  // empty: the default printer when there is one

class PrinterCanvas : public Canvas {
public:
    QPainter painter;
    QPaintDevice* device = nullptr;

protected:
    void DoLine(int x1, int y1, int x2, int y2) override {
        painter.setPen(QPen(qt::QC(Pen.Colour), Pen.Width));
        painter.drawLine(x1, y1, x2, y2);
    }
    void DoText(int x, int y, const std::string& text) override {
        QFont f = qt::ToQFont(TextFont);
        painter.setFont(f);
        QFontMetrics m(f, device);
        QRect r(x, y, m.horizontalAdvance(qt::Q(text)), m.height());
        if (!Brush.Clear) painter.fillRect(r, qt::QC(Brush.Colour));
        painter.setPen(qt::QC(TextFont.Colour));
        painter.drawText(r, Qt::AlignLeft | Qt::AlignTop, qt::Q(text));
    }
    void DoFill(const Rect& r) override {
        painter.fillRect(QRect(QPoint(r.Left, r.Top), QPoint(r.Right - 1, r.Bottom - 1)), qt::QC(Brush.Colour));
    }
    const NativeDevice* TextDevice() const override { return qt::ND(device); }
    std::optional<Rect> Area() const override {
        if (!device) return std::nullopt;
        return Rect{0, 0, device->width(), device->height()};
    }
};

}  // namespace

struct Printer::Impl {
    // The open document: the printer, or a PDF drawn into `bytes`, which
    // replace the file `pdf` whole at the end through the checked file layer.
    std::unique_ptr<QPagedPaintDevice> device;
    QBuffer bytes;
    std::string pdf;
    PrinterCanvas canvas;  // kept between documents, so a log runs on
    int page = 0;
    void Close() {
        canvas.painter.end();
        canvas.device = nullptr;
        device.reset();
        page = 0;
    }
    void DropBytes() {
        bytes.close();
        bytes.setData(QByteArray());
    }
};

Printer::Printer() : impl_(std::make_unique<Impl>()) {}
Printer::~Printer() = default;

Printer& Printer::Get() {
    static Printer* p = new Printer;  // lives as long as the process
    return *p;
}

void SetPrinterOutputFile(const std::string& path) { outputFile = path; }

std::string Printer::OutputFile() const {
    if (!outputFile.empty()) return std::filesystem::absolute(outputFile).string();
    if (!QPrinterInfo::defaultPrinter().isNull()) return "";
    return (std::filesystem::current_path() / "Korvela.pdf").string();
}

void Printer::BeginDoc(const std::string& title) {
    if (Printing()) throw RunError("Printing in progress");
    const std::string pdf = OutputFile();
    std::unique_ptr<QPagedPaintDevice> device;
    if (pdf.empty()) {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setDocName(qt::Q(title));
        device = std::move(printer);
    } else {
        impl_->DropBytes();
        impl_->bytes.open(QIODevice::WriteOnly);
        auto writer = std::make_unique<QPdfWriter>(&impl_->bytes);
        writer->setTitle(qt::Q(title));
        writer->setResolution(PdfResolution);
        device = std::move(writer);
    }
    device->setPageSize(QPageSize(QPageSize::A4));
    PrinterCanvas& c = impl_->canvas;
    c.Pen = decltype(c.Pen){};  // a new document starts with the default pen, brush and font
    c.Brush = decltype(c.Brush){};
    c.TextFont = Font{};
    c.device = device.get();
    c.NewPage();
    if (!c.painter.begin(device.get())) throw RunError("Printer selected is not valid");
    impl_->device = std::move(device);
    impl_->pdf = pdf;
    impl_->page = 1;
}

void Printer::NewPage() {
    if (!Printing()) throw RunError("Printer is not currently printing");
    impl_->device->newPage();
    impl_->canvas.NewPage();
    ++impl_->page;
}

void Printer::EndDoc() {
    if (!Printing()) throw RunError("Printer is not currently printing");
    impl_->Close();
    if (impl_->pdf.empty()) return;
    const QByteArray bytes = impl_->bytes.data();
    impl_->DropBytes();
    BinFile out(impl_->pdf, BinFile::Mode::Create);
    out.Write(bytes.constData(), static_cast<size_t>(bytes.size()));
    out.Close();
}

void Printer::Abort() {
    if (!Printing()) return;
    if (auto* printer = dynamic_cast<QPrinter*>(impl_->device.get())) printer->abort();  // where it can
    impl_->Close();
    impl_->DropBytes();
}

bool Printer::Printing() const { return impl_->device != nullptr; }
int Printer::PageNumber() const { return impl_->page; }

Canvas& Printer::GetCanvas() { return impl_->canvas; }

int Printer::GetDeviceCaps(DeviceCap cap) const {
    if (impl_->device) return cap == LOGPIXELSX ? impl_->device->logicalDpiX() : impl_->device->logicalDpiY();
    return outputFile.empty() && !QPrinterInfo::defaultPrinter().isNull() ? 600 : PdfResolution;
}

}  // namespace gui
