#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <filesystem>
#include "BinFile.h"
#include "QtCommon.h"
#include "RunError.h"

namespace gui {

namespace {
constexpr int PdfResolution = 300;

class PrinterCanvas : public Canvas {
public:
    QPainter painter;
    QPrinter* device = nullptr;

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
    int DoTextWidth(const std::string& text) const override {
        return QFontMetrics(qt::ToQFont(TextFont), device).horizontalAdvance(qt::Q(text));
    }
};

// The finished draft replaces the PDF whole, or an error leaves it as it was.
void Publish(const QTemporaryFile& draft, const std::string& pdf) {
    QFile in(draft.fileName());
    if (!in.open(QIODevice::ReadOnly)) RaiseIoError(EACCES);
    const QByteArray bytes = in.readAll();
    BinFile out(pdf, BinFile::Mode::Create);
    out.Write(bytes.constData(), static_cast<size_t>(bytes.size()));
    out.Close();
}

}  // namespace

struct Printer::Impl {
    std::string outputFile;  // empty: the default printer when there is one
    std::unique_ptr<QPrinter> printer;
    PrinterCanvas canvas;  // kept between documents, so a log runs on
    int page = 0;
    std::string pdf;                        // the file the open document goes to
    std::unique_ptr<QTemporaryFile> draft;  // the PDF as drawn so far
    void Close() {
        canvas.painter.end();
        printer.reset();
        page = 0;
    }
};

Printer::Printer() : impl_(std::make_unique<Impl>()) {}
Printer::~Printer() = default;

Printer& Printer::Get() {
    static Printer* p = new Printer;  // lives as long as the process
    return *p;
}

void Printer::SetOutputFile(const std::string& path) { impl_->outputFile = path; }

std::string Printer::OutputFile() const {
    if (!impl_->outputFile.empty()) return std::filesystem::absolute(impl_->outputFile).string();
    if (!QPrinterInfo::defaultPrinter().isNull()) return "";
    return (std::filesystem::current_path() / "Korvela.pdf").string();
}

void Printer::BeginDoc(const std::string& title) {
    if (Printing()) throw RunError("Printing in progress");
    const std::string pdf = OutputFile();
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrinter& p = *printer;
    p.setDocName(qt::Q(title));
    p.setPageSize(QPageSize(QPageSize::A4));
    std::unique_ptr<QTemporaryFile> draft;
    if (!pdf.empty()) {
        draft = std::make_unique<QTemporaryFile>(qt::Q(pdf + ".~XXXXXX"));
        if (!draft->open())
            RaiseIoError(std::filesystem::is_directory(std::filesystem::path(pdf).parent_path()) ? EACCES : ENOENT);
        draft->close();  // the name stays reserved until the draft is dropped
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(draft->fileName());
        p.setResolution(PdfResolution);
    }
    PrinterCanvas& c = impl_->canvas;
    c.Pen = decltype(c.Pen){};  // a new document starts with the default pen, brush and font
    c.Brush = decltype(c.Brush){};
    c.TextFont = Font{};
    c.device = &p;
    if (!c.painter.begin(&p)) throw RunError("Printer selected is not valid");
    impl_->printer = std::move(printer);
    impl_->draft = std::move(draft);
    impl_->pdf = pdf;
    impl_->page = 1;
}

void Printer::NewPage() {
    if (!Printing()) throw RunError("Printer is not currently printing");
    impl_->printer->newPage();
    ++impl_->page;
}

void Printer::EndDoc() {
    if (!Printing()) throw RunError("Printer is not currently printing");
    impl_->Close();
    const std::unique_ptr<QTemporaryFile> draft = std::move(impl_->draft);
    if (draft) Publish(*draft, impl_->pdf);
}

void Printer::Abort() {
    if (!Printing()) return;
    impl_->printer->abort();  // a printer drops the job where it can
    impl_->Close();
    impl_->draft.reset();  // removes the draft
}

bool Printer::Printing() const { return impl_->printer != nullptr; }
int Printer::PageNumber() const { return impl_->page; }

Canvas& Printer::GetCanvas() { return impl_->canvas; }

int Printer::GetDeviceCaps(DeviceCap) const {
    if (impl_->printer) return impl_->printer->resolution();
    return impl_->outputFile.empty() && !QPrinterInfo::defaultPrinter().isNull() ? 600 : PdfResolution;
}

}  // namespace gui
