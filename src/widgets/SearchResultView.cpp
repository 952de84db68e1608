#include "widgets/SearchResultView.h"

#include "text/TextWidth.h"

#include <QPainter>

namespace velko {

namespace {

// A result laid out at full size: the title's line, the address line, the
// description's two lines.
constexpr int kTitleHeight = 28;
constexpr int kAddressHeight = 22;
constexpr int kDescriptionLine = 22;
constexpr int kHeight = kTitleHeight + kAddressHeight + 2 * kDescriptionLine;

QFont resultFont(double pixelSize) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(int(pixelSize));
    return font;
}

} // namespace

SearchResultView::SearchResultView(QWidget *parent)
    : QWidget(parent) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void SearchResultView::setResult(const SearchResult &result) {
    m_result = result;
    updateGeometry();
    update();
}

int SearchResultView::heightForWidth(int width) const {
    return kHeight * qMin(width, searchTitleWidth) / searchTitleWidth;
}

QSize SearchResultView::sizeHint() const {
    return {searchTitleWidth, kHeight};
}

void SearchResultView::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const double scale = qMin(1.0, double(width()) / searchTitleWidth);
    painter.scale(scale, scale);

    painter.setFont(resultFont(titlePixelSize));
    painter.setPen(QColor(0x1a, 0x0d, 0xab));
    painter.drawText(QRect(0, 0, searchTitleWidth, kTitleHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     m_result.title);
    painter.setFont(resultFont(descriptionPixelSize));
    painter.setPen(QColor(0x20, 0x21, 0x24));
    painter.drawText(QRect(0, kTitleHeight, searchTitleWidth, kAddressHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, m_result.address);
    painter.setPen(QColor(0x4d, 0x51, 0x56));
    painter.drawText(
        QRect(0, kTitleHeight + kAddressHeight, searchTitleWidth, 2 * kDescriptionLine),
        Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, m_result.description);
}

} // namespace velko
