#pragma once

#include "tags/WebPreview.h"

#include <QImage>
#include <QNetworkAccessManager>
#include <QPointer>
#include <QTimer>
#include <QWidget>

class QNetworkReply;

namespace velko {

// The page as social sites show a shared link: a large-image card with the
// picture, the host, the title and the description, scaled down when the view
// is narrower than a card. A picture on the web is fetched in the background,
// once the address has stopped changing; while there is none, or when it
// cannot be had, a neutral placeholder stands in.
class SocialCardView : public QWidget {
    Q_OBJECT

public:
    explicit SocialCardView(int fetchTimeoutSeconds, QWidget *parent = nullptr);

    void setCard(const SocialCard &card);
    const SocialCard &card() const { return m_card; }
    // The picture drawn; null while the placeholder shows.
    const QImage &picture() const { return m_picture; }

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;

Q_SIGNALS:
    // A picture was loaded, or the placeholder took its place.
    void pictureChanged();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void loadPicture();
    void setPicture(const QImage &picture);

    int m_fetchTimeoutMs;
    SocialCard m_card;
    CardImage m_source; // where the picture shown or awaited comes from
    QImage m_picture;
    QNetworkAccessManager m_network;
    QPointer<QNetworkReply> m_reply;
    QTimer m_fetchDelay;
};

} // namespace velko
