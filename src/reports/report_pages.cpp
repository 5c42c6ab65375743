#include "reports/report_pages.h"

namespace vorlane {

void RecordedPage::PlayOn(PageCanvas& canvas) const {
    for (const PageOp& op : ops) {
        switch (op.kind) {
            case PageOp::Kind::Font: canvas.SetFont(op.font); break;
            case PageOp::Kind::Brush: canvas.SetBrush(op.color); break;
            case PageOp::Kind::ClearBrush: canvas.SetBrush(std::nullopt); break;
            case PageOp::Kind::Fill: canvas.FillRect(op.rect); break;
            case PageOp::Kind::Text: canvas.TextOut(op.x, op.y, op.text); break;
            case PageOp::Kind::ClippedText: canvas.TextRect(op.rect, op.x, op.y, op.text); break;
            case PageOp::Kind::Line: canvas.Line(op.rect.left, op.rect.top, op.rect.right, op.rect.bottom); break;
        }
    }
}

void ReportPages::Reset() {
    pages_.clear();
    finished_ = false;
    NewPage();
}

int ReportPages::NewPage() {
    if (finished_) return 0;
    pages_.emplace_back();
    font_ = ReportFont{};  // Arial 10
    Record({PageOp::Kind::ClearBrush, {}, 0, 0, {}, {}, kWhite});
    Record({PageOp::Kind::Font, {}, 0, 0, {}, font_, kWhite});
    return PageCount();
}

const RecordedPage* ReportPages::Page(int n) const {
    if (!finished_ || n < 1 || n > PageCount()) return nullptr;
    return &pages_[static_cast<std::size_t>(n - 1)];
}

void ReportPages::Record(PageOp op) {
    if (finished_ || pages_.empty()) return;
    pages_.back().ops.push_back(std::move(op));
}

void ReportPages::SetFont(const ReportFont& font) {
    font_ = font;
    Record({PageOp::Kind::Font, {}, 0, 0, {}, font, kWhite});
}

void ReportPages::SetBrush(std::optional<Rgb> color) {
    if (color) Record({PageOp::Kind::Brush, {}, 0, 0, {}, {}, *color});
    else Record({PageOp::Kind::ClearBrush, {}, 0, 0, {}, {}, kWhite});
}

void ReportPages::FillRect(const TwipRect& rect) { Record({PageOp::Kind::Fill, rect, 0, 0, {}, {}, kWhite}); }

void ReportPages::TextOut(int x, int y, const std::string& text) {
    Record({PageOp::Kind::Text, {}, x, y, text, {}, kWhite});
}

void ReportPages::TextRect(const TwipRect& rect, int x, int y, const std::string& text) {
    Record({PageOp::Kind::ClippedText, rect, x, y, text, {}, kWhite});
}

void ReportPages::Line(int x1, int y1, int x2, int y2) {
    Record({PageOp::Kind::Line, {x1, y1, x2, y2}, 0, 0, {}, {}, kWhite});
}

}  // namespace vorlane
