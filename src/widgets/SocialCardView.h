#pragma once

#include "net/PublicFetch.h"
#include "tags/WebPreview.h"

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;

namespace velko {

// The page as social sites show a shared link: a large-image card with the
// picture, the host, the title and the description, scaled down when the view
// is narrower than a card. While there is no picture, or when it cannot be
// had, a neutral placeholder stands in, saying why.
//
// The picture is read and decoded on a worker thread, from a regular file
// only and up to a size, so that no file makes the window wait. One on the
// web is fetched only when asked: with the Load Image button on the
// placeholder, or for every picture once the address has stopped changing
// while setLoadsFromWeb is on; and only from addresses `allowed` allows.
class SocialCardView : public QWidget {
    Q_OBJECT

public:
    explicit SocialCardView(int fetchTimeoutSeconds,
                            PublicFetch::AddressRule allowed = isPublicAddress,
                            QWidget *parent = nullptr);

    void setCard(const SocialCard &card);
    const SocialCard &card() const { return m_card; }
    // The picture drawn; null while the placeholder shows.
    const QImage &picture() const { return m_picture; }
    void setLoadsFromWeb(bool loads);

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;

Q_SIGNALS:
    // A picture was loaded, or the placeholder took its place.
    void pictureChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    struct Loaded {
        QImage picture;
        QString error; // why there is none
    };
    void loadPicture();
    void fetchPicture();
    // Runs `work` on a worker thread and shows what it gives, unless the
    // source has changed meanwhile.
    void loadOffThread(std::function<Loaded()> work);
    void showLoaded(const Loaded &loaded);
    static Loaded decode(const QByteArray &bytes);

    SocialCard m_card;
    CardImage m_source;     // where the picture shown or awaited comes from
    int m_sourceNumber = 0; // counts the sources, so that late results are dropped
    QImage m_picture;
    PublicFetch m_fetch;
    QTimer m_fetchDelay;
    bool m_loadsFromWeb = false;
    QPushButton *m_loadButton = nullptr;
    QLabel *m_note = nullptr;
};

} // namespace velko
