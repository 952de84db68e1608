#include "widgets/WebPreviews.h"

#include "seams/Settings.h"
#include "tags/WebPreview.h"
#include "widgets/SearchResultView.h"
#include "widgets/SocialCardView.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace velko {

namespace {

QLabel *counterLabel(const char *objectName, QWidget *parent) {
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromUtf8(objectName));
    return label;
}

void showMeasure(QLabel *label, const Measure &measure) {
    label->setText(measure.counter);
    // A warning colour past the room a search engine gives the text. A style
    // sheet set costs a restyle, so only when it changes.
    const QString style = measure.tooLong ? QStringLiteral("color: #c5221f;") : QString();
    if (label->styleSheet() != style)
        label->setStyleSheet(style);
}

// What a preview shows, for a screen reader: its parts that are not empty,
// in the order they are drawn.
QString described(const QString &what, const QStringList &parts) {
    QStringList shown;
    for (const QString &part : parts)
        if (!part.isEmpty())
            shown << part;
    //: A preview for a screen reader: the preview's name, then what it shows
    return QCoreApplication::translate("velko::WebPreviews", "%1: %2")
        .arg(what, shown.join(QStringLiteral(" \u2014 ")));
}

} // namespace

WebPreviews::WebPreviews(std::function<FormValue()> form, int fetchTimeoutSeconds,
                         WindowStore &store, QWidget *parent)
    : QWidget(parent)
    , m_form(std::move(form)) {
    auto *search = new QGroupBox(tr("Search result"), this);
    m_search = new SearchResultView(search);
    m_search->setObjectName(QStringLiteral("picSearchResult"));
    m_search->setAccessibleName(search->title());
    m_titleCounter = counterLabel("lblTitleCounter", search);
    m_descriptionCounter = counterLabel("lblDescriptionCounter", search);
    auto *searchLayout = new QVBoxLayout(search);
    searchLayout->addWidget(m_search);
    searchLayout->addWidget(m_titleCounter);
    searchLayout->addWidget(m_descriptionCounter);

    auto *social = new QGroupBox(tr("Social card"), this);
    m_card = new SocialCardView(fetchTimeoutSeconds, isPublicAddress, social);
    m_card->setObjectName(QStringLiteral("picSocialCard"));
    m_card->setAccessibleName(social->title());
    m_card->setLoadsFromWeb(store.loadsWebImages());
    auto *fromWeb = new QCheckBox(tr("Load preview images from the web"), social);
    fromWeb->setObjectName(QStringLiteral("chkLoadWebImages"));
    fromWeb->setAccessibleName(fromWeb->text());
    fromWeb->setToolTip(tr("Fetch the card's picture as soon as og:image names one on the web, "
                           "without Load Image; never from a local or private address"));
    fromWeb->setAccessibleDescription(fromWeb->toolTip());
    fromWeb->setChecked(store.loadsWebImages());
    connect(fromWeb, &QCheckBox::toggled, this, [this, &store](bool loads) {
        store.setLoadsWebImages(loads);
        m_card->setLoadsFromWeb(loads);
    });
    auto *socialLayout = new QVBoxLayout(social);
    socialLayout->addWidget(m_card);
    socialLayout->addWidget(fromWeb);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(search);
    layout->addWidget(social);
    layout->addStretch(1); // beside the form, the previews stand at the top
}

void WebPreviews::formChanged() {
    if (m_refreshPending)
        return;
    m_refreshPending = true;
    QTimer::singleShot(0, this, &WebPreviews::refresh);
}

void WebPreviews::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    formChanged();
}

void WebPreviews::refresh() {
    m_refreshPending = false;
    if (!isVisible())
        return; // showEvent brings them up to date
    const FormValue form = m_form();
    const SearchResult result = searchResult(form);
    m_search->setResult(result);
    showMeasure(m_titleCounter, result.titleMeasure);
    showMeasure(m_descriptionCounter, result.descriptionMeasure);
    m_search->setAccessibleDescription(
        described(m_search->accessibleName(), {result.title, result.address, result.description}) +
        QLatin1Char('\n') + result.titleMeasure.counter + QLatin1Char('\n') +
        result.descriptionMeasure.counter);
    const SocialCard card = socialCard(form);
    m_card->setCard(card);
    m_card->setAccessibleDescription(
        described(m_card->accessibleName(), {card.host, card.titleLines.join(QLatin1Char(' ')),
                                             card.descriptionLines.join(QLatin1Char(' '))}));
}

} // namespace velko
