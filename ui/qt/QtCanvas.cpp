#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include "Func_FloatToInt.h"
#include "QtCommon.h"

namespace gui {

// ---- Canvas: state, logging, text metrics ------------------------------------------
void Canvas::Record(const char* op, int x, int y, int x2, int y2, const std::string& text) {
    if (!logging_) return;
    log_.push_back(CanvasOp{op, x, y, x2, y2, text, Pen.Colour, Pen.Width, Brush.Colour, TextFont});
}

void Canvas::MoveTo(int x, int y) {
    Record("MoveTo", x, y, 0, 0, "");
    penX_ = x;
    penY_ = y;
}

void Canvas::LineTo(int x, int y) {
    Record("LineTo", penX_, penY_, x, y, "");
    DoLine(penX_, penY_, x, y);
    drawn_.Stroke(penX_, penY_, x, y, Pen.Width);
    penX_ = x;
    penY_ = y;
}

void Canvas::TextOut(int x, int y, const std::string& text) {
    Record("TextOut", x, y, 0, 0, text);
    DoText(x, y, text);
    drawn_.Box(TextBox(x, y, text));
    penX_ = x + TextWidth(text);
    penY_ = y;
}

void Canvas::FillRect(const Rect& r) {
    Record("FillRect", r.Left, r.Top, r.Right, r.Bottom, "");
    DoFill(r);
    drawn_.Forget(r);
}

namespace {
QFontMetrics Metrics(const Font& f, const QPaintDevice* device) {
    return device ? QFontMetrics(qt::ToQFont(f), device) : QFontMetrics(qt::ToQFont(f));
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
        device_ = image;
    }
    StartLog();
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

Image::Image(Container& parent) : Control(&parent, new ImageView), impl_(std::make_unique<Impl>()) {
    impl_->img = QImage(1, 1, QImage::Format_RGB32);
    impl_->img.fill(Qt::white);
    static_cast<ImageView*>(w_)->img = &impl_->img;
    impl_->canvas = std::make_unique<ImageCanvas>(impl_->img, w_);
}

Image::~Image() { static_cast<ImageView*>(w_)->img = nullptr; }

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

uint32_t Image::PixelAt(int x, int y) const {
    if (!impl_->img.valid(x, y)) return 0;
    return impl_->img.pixel(x, y) & 0xFFFFFF;
}

}  // namespace gui
