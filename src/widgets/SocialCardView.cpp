#include "widgets/SocialCardView.h"

#include <QNetworkReply>
#include <QPainter>

namespace velko {

namespace {

// A card at full size: the picture at 1.91:1 above the text block.
constexpr int kPictureHeight = 262;
constexpr int kHostHeight = 18;
constexpr int kTitleLine = 21;
constexpr int kDescriptionLine = 19;
constexpr int kTextHeight =
    cardMargin + kHostHeight + 2 * kTitleLine + 2 * kDescriptionLine + cardMargin;
constexpr int kHeight = kPictureHeight + kTextHeight;
// Typing an address fetches nothing until it has rested this long.
constexpr int kFetchDelayMs = 400;

// Regular weight throughout: the lines are measured with the regular font's
// advances, and bold ones would run past the card.
QFont cardFont(double pixelSize) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(int(pixelSize));
    return font;
}

} // namespace

SocialCardView::SocialCardView(int fetchTimeoutSeconds, QWidget *parent)
    : QWidget(parent)
    , m_fetchTimeoutMs(fetchTimeoutSeconds * 1000) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    m_fetchDelay.setSingleShot(true);
    m_fetchDelay.setInterval(kFetchDelayMs);
    connect(&m_fetchDelay, &QTimer::timeout, this, &SocialCardView::loadPicture);
}

void SocialCardView::setCard(const SocialCard &card) {
    m_card = card;
    if (card.image != m_source) {
        m_source = card.image;
        if (m_reply)
            m_reply->abort();
        m_fetchDelay.stop();
        if (m_source.kind == CardImage::Kind::Web)
            m_fetchDelay.start();
        else
            loadPicture();
    }
    update();
}

void SocialCardView::loadPicture() {
    switch (m_source.kind) {
    case CardImage::Kind::None:
        setPicture({});
        break;
    case CardImage::Kind::File:
        setPicture(QImage(m_source.path));
        break;
    case CardImage::Kind::Web: {
        QNetworkRequest request(m_source.url);
        request.setTransferTimeout(m_fetchTimeoutMs);
        QNetworkReply *reply = m_network.get(request);
        m_reply = reply;
        connect(reply, &QNetworkReply::finished, this, [this, reply] {
            reply->deleteLater();
            if (reply != m_reply)
                return; // an address since replaced
            setPicture(reply->error() == QNetworkReply::NoError ? QImage::fromData(reply->readAll())
                                                                : QImage());
        });
        break;
    }
    }
}

void SocialCardView::setPicture(const QImage &picture) {
    m_picture = picture;
    update();
    Q_EMIT pictureChanged();
}

int SocialCardView::heightForWidth(int width) const {
    return kHeight * qMin(width, cardWidth) / cardWidth;
}

QSize SocialCardView::sizeHint() const {
    return {cardWidth, kHeight};
}

void SocialCardView::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    const double scale = qMin(1.0, double(width()) / cardWidth);
    painter.scale(scale, scale);

    const QRect pictureArea(0, 0, cardWidth, kPictureHeight);
    if (m_picture.isNull()) {
        painter.fillRect(pictureArea, QColor(0xe4, 0xe6, 0xeb));
    } else {
        // Cover the area and crop the overflow, as the sites do.
        const QImage covering = m_picture.scaled(pictureArea.size(), Qt::KeepAspectRatioByExpanding,
                                                 Qt::SmoothTransformation);
        const QRect crop(
            QPoint((covering.width() - cardWidth) / 2, (covering.height() - kPictureHeight) / 2),
            pictureArea.size());
        painter.drawImage(pictureArea, covering, crop);
    }
    painter.fillRect(QRect(0, kPictureHeight, cardWidth, kTextHeight), QColor(0xf0, 0xf2, 0xf5));

    constexpr int textWidth = cardWidth - 2 * cardMargin;
    int y = kPictureHeight + cardMargin;
    const auto drawLine = [&](const QString &line, int height) {
        painter.drawText(QRect(cardMargin, y, textWidth, height), Qt::AlignLeft | Qt::AlignVCenter,
                         line);
        y += height;
    };
    painter.setFont(cardFont(cardHostPixelSize));
    painter.setPen(QColor(0x60, 0x67, 0x70));
    drawLine(m_card.host, kHostHeight);
    painter.setFont(cardFont(cardTitlePixelSize));
    painter.setPen(QColor(0x1c, 0x1e, 0x21));
    for (const QString &line : m_card.titleLines)
        drawLine(line, kTitleLine);
    painter.setFont(cardFont(cardDescriptionPixelSize));
    painter.setPen(QColor(0x60, 0x67, 0x70));
    for (const QString &line : m_card.descriptionLines)
        drawLine(line, kDescriptionLine);
    painter.setPen(QColor(0xda, 0xdd, 0xe1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(0, 0, cardWidth - 1, kHeight - 1));
}

} // namespace velko
