#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <unordered_map>
#include "Func_FloatToInt.h"
#include "QtCommon.h"

namespace gui {

// ---- Canvas: state, recording, text metrics ----------------------------------------
namespace {
struct Recording {
    bool on = false;
    std::vector<CanvasOp> ops;
};
// The canvases whose primitives are recorded.
std::unordered_map<const Canvas*, Recording> recordings;

void Record(const Canvas& c, const char* op, int x, int y, int x2, int y2, const std::string& text) {
    if (recordings.empty()) return;
    auto it = recordings.find(&c);
    if (it == recordings.end() || !it->second.on) return;
    it->second.ops.push_back(CanvasOp{op, x, y, x2, y2, text, c.Pen.Colour, c.Pen.Width, c.Brush.Colour, c.TextFont});
}
}  // namespace

void StartLog(Canvas& c) { recordings[&c] = Recording{true, {}}; }
void StopLog(Canvas& c) { recordings[&c].on = false; }
const std::vector<CanvasOp>& Log(const Canvas& c) {
    static const std::vector<CanvasOp> none;
    auto it = recordings.find(&c);
    return it == recordings.end() ? none : it->second.ops;
}

Canvas::~Canvas() { recordings.erase(this); }

size_t DrawnCount(const Canvas& c) { return c.drawn_.Count(); }

void Canvas::MoveTo(int x, int y) {
    Record(*this, "MoveTo", x, y, 0, 0, "");
    penX_ = x;
    penY_ = y;
}

void Canvas::LineTo(int x, int y) {
    Record(*this, "LineTo", penX_, penY_, x, y, "");
    DoLine(penX_, penY_, x, y);
    drawn_.Stroke(penX_, penY_, x, y, Pen.Width, Area());
    penX_ = x;
    penY_ = y;
}

void Canvas::TextOut(int x, int y, const std::string& text) {
    Record(*this, "TextOut", x, y, 0, 0, text);
    DoText(x, y, text);
    drawn_.Box(TextBox(x, y, text), Area());
    penX_ = x + TextWidth(text);
    penY_ = y;
}

void Canvas::FillRect(const Rect& r) {
    Record(*this, "FillRect", r.Left, r.Top, r.Right, r.Bottom, "");
    DoFill(r);
    drawn_.Forget(r, Area());
}

namespace {
QFontMetrics Metrics(const Font& f, const NativeDevice* device) {
    return device ? QFontMetrics(qt::ToQFont(f), qt::D(device)) : QFontMetrics(qt::ToQFont(f));
}
}  // namespace

int Canvas::TextWidth(const std::string& text) const {
    return Metrics(TextFont, TextDevice()).horizontalAdvance(qt::Q(text));
}

Rect Canvas::TextBox(int x, int y, const std::string& text) const {
    const QFontMetrics m = Metrics(TextFont, TextDevice());
    return {x, y + m.ascent() - FloatToInt(m.capHeight()), x + m.horizontalAdvance(qt::Q(text)), y + m.height()};
}

RecordingCanvas::RecordingCanvas(int dpi) {
    if (dpi > 0) {
        auto image = std::make_shared<QImage>(1, 1, QImage::Format_RGB32);
        image->setDotsPerMeterX(FloatToInt(dpi / 0.0254));
        image->setDotsPerMeterY(FloatToInt(dpi / 0.0254));
        device_ = std::shared_ptr<NativeDevice>(image, qt::ND(image.get()));
    }
    StartLog(*this);
}

// ---- Image: a picture drawn off screen and painted into its window ------------------
namespace {
class ImageCanvas : public Canvas {
public:
    explicit ImageCanvas(QImage& img, QWidget* view) : img_(img), view_(view) {}

protected:
    void DoLine(int x1, int y1, int x2, int y2) override {
        QPainter p(&img_);
        p.setPen(QPen(qt::QC(Pen.Colour), Pen.Width));
        p.drawLine(x1, y1, x2, y2);
        view_->update();
    }
    void DoText(int x, int y, const std::string& text) override {
        QPainter p(&img_);
        QFont f = qt::ToQFont(TextFont);
        p.setFont(f);
        QFontMetrics m(f);
        QRect r(x, y, m.horizontalAdvance(qt::Q(text)), m.height());
        if (!Brush.Clear) p.fillRect(r, qt::QC(Brush.Colour));
        p.setPen(qt::QC(TextFont.Colour));
        p.drawText(r, Qt::AlignLeft | Qt::AlignTop, qt::Q(text));
        view_->update();
    }
    void DoFill(const Rect& r) override {
        QPainter p(&img_);
        p.fillRect(QRect(QPoint(r.Left, r.Top), QPoint(r.Right - 1, r.Bottom - 1)), qt::QC(Brush.Colour));
        view_->update();
    }
    std::optional<Rect> Area() const override { return Rect{0, 0, img_.width(), img_.height()}; }

private:
    QImage& img_;
    QWidget* view_;
};

class ImageView : public QWidget {
public:
    QImage* img = nullptr;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        if (img) p.drawImage(0, 0, *img);
    }
};
}  // namespace

struct Image::Impl {
    QImage img;
    std::unique_ptr<ImageCanvas> canvas;
};

Image::Image(Container& parent) : Control(&parent, qt::N(new ImageView)), impl_(std::make_unique<Impl>()) {
    impl_->img = QImage(1, 1, QImage::Format_RGB32);
    impl_->img.fill(Qt::white);
    qt::W<ImageView>(w_)->img = &impl_->img;
    impl_->canvas = std::make_unique<ImageCanvas>(impl_->img, qt::W(w_));
}

Image::~Image() { qt::W<ImageView>(w_)->img = nullptr; }

Canvas& Image::GetCanvas() { return *impl_->canvas; }

void Image::SetSize(int width, int height) {
    width = std::max(1, width);
    height = std::max(1, height);
    QImage bigger(width, height, QImage::Format_RGB32);
    bigger.fill(Qt::white);
    QPainter p(&bigger);
    p.drawImage(0, 0, impl_->img);
    p.end();
    impl_->img = bigger;
    SetBounds(Left(), Top(), width, height);
}

uint32_t PixelAt(const Image& image, int x, int y) {
    const QImage& img = *qt::W<ImageView>(image.Widget())->img;
    return img.valid(x, y) ? img.pixel(x, y) & 0xFFFFFF : 0;
}

}  // namespace gui
