#include "widgets/SocialCardView.h"

#include "files/TextFile.h"

#include <QFutureWatcher>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QtConcurrent/QtConcurrentRun>

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
// The largest picture file read or fetched; the sites take 5 to 8 MB.
constexpr qint64 kPictureLimit = 16 * 1024 * 1024;

// Regular weight throughout: the lines are measured with the regular font's
// advances, and bold ones would run past the card.
QFont cardFont(double pixelSize) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(int(pixelSize));
    return font;
}

} // namespace

SocialCardView::SocialCardView(int fetchTimeoutSeconds, PublicFetch::AddressRule allowed,
                               QWidget *parent)
    : QWidget(parent)
    , m_fetch(fetchTimeoutSeconds, kPictureLimit, std::move(allowed)) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    m_fetchDelay.setSingleShot(true);
    m_fetchDelay.setInterval(kFetchDelayMs);
    connect(&m_fetchDelay, &QTimer::timeout, this, &SocialCardView::fetchPicture);

    m_loadButton = new QPushButton(tr("Load Image"), this);
    m_loadButton->setObjectName(QStringLiteral("cmdLoadImage"));
    m_loadButton->setAccessibleName(m_loadButton->text().remove(u'&'));
    m_loadButton->setToolTip(tr("Fetch the picture that og:image names from the web"));
    m_loadButton->setAccessibleDescription(m_loadButton->toolTip());
    m_loadButton->hide();
    connect(m_loadButton, &QPushButton::clicked, this, &SocialCardView::fetchPicture);
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("lblPictureNote"));
    m_note->setAlignment(Qt::AlignCenter);
    m_note->setWordWrap(true);
    m_note->hide();
}

void SocialCardView::setCard(const SocialCard &card) {
    m_card = card;
    if (card.image != m_source) {
        m_source = card.image;
        loadPicture();
    }
    update();
}

void SocialCardView::setLoadsFromWeb(bool loads) {
    m_loadsFromWeb = loads;
    if (loads && !m_loadButton->isHidden())
        fetchPicture();
}

void SocialCardView::loadPicture() {
    ++m_sourceNumber;
    m_fetch.stop();
    m_fetchDelay.stop();
    m_picture = {};
    m_note->hide();
    m_loadButton->hide();
    update();
    switch (m_source.kind) {
    case CardImage::Kind::None:
        Q_EMIT pictureChanged();
        break;
    case CardImage::Kind::File:
        // A FIFO or a device is never opened, and a slow disk keeps a worker
        // waiting, not the window.
        loadOffThread([path = m_source.path] {
            QFile file(path);
            QString error;
            const std::optional<QByteArray> bytes = openRegularFile(file, &error)
                                                        ? readAtMost(file, kPictureLimit, &error)
                                                        : std::nullopt;
            return bytes ? decode(*bytes) : Loaded{{}, error};
        });
        break;
    case CardImage::Kind::Web:
        if (m_loadsFromWeb) {
            m_fetchDelay.start();
        } else {
            m_loadButton->show();
            Q_EMIT pictureChanged();
        }
        break;
    }
}

void SocialCardView::fetchPicture() {
    m_loadButton->hide();
    m_fetch.start(m_source.url,
                  [this, number = m_sourceNumber](const QByteArray &bytes, const QString &error) {
                      if (number != m_sourceNumber)
                          return;
                      if (!error.isEmpty())
                          showLoaded({{}, error});
                      else
                          loadOffThread([bytes] { return decode(bytes); });
                  });
}

void SocialCardView::loadOffThread(std::function<Loaded()> work) {
    auto *watcher = new QFutureWatcher<Loaded>(this);
    connect(watcher, &QFutureWatcher<Loaded>::finished, this,
            [this, watcher, number = m_sourceNumber] {
                watcher->deleteLater();
                if (number == m_sourceNumber)
                    showLoaded(watcher->result());
            });
    watcher->setFuture(QtConcurrent::run(std::move(work)));
}

// Scaled on the worker to cover the picture area, so painting only crops.
SocialCardView::Loaded SocialCardView::decode(const QByteArray &bytes) {
    const QImage picture = QImage::fromData(bytes);
    if (picture.isNull())
        return {{}, tr("not a picture Velko can show")};
    return {picture.scaled(cardWidth, kPictureHeight, Qt::KeepAspectRatioByExpanding,
                           Qt::SmoothTransformation),
            {}};
}

void SocialCardView::showLoaded(const Loaded &loaded) {
    m_picture = loaded.picture;
    m_note->setText(loaded.error.isEmpty()
                        ? QString()
                        : tr("The picture could not be loaded: %1").arg(loaded.error));
    m_note->setVisible(!loaded.error.isEmpty());
    update();
    Q_EMIT pictureChanged();
}

// The button and the note in the middle of the placeholder, as it is scaled.
void SocialCardView::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    const int area = kPictureHeight * qMin(width(), cardWidth) / cardWidth;
    const QSize button = m_loadButton->sizeHint();
    m_loadButton->setGeometry(
        QRect(QPoint((width() - button.width()) / 2, (area - button.height()) / 2), button));
    m_note->setGeometry(QRect(cardMargin, 0, width() - 2 * cardMargin, area));
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
        // The picture covers the area; the overflow is cropped, as the sites do.
        const QRect crop(
            QPoint((m_picture.width() - cardWidth) / 2, (m_picture.height() - kPictureHeight) / 2),
            pictureArea.size());
        painter.drawImage(pictureArea, m_picture, crop);
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
