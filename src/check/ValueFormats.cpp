#include "check/ValueFormats.h"

#include "base/AsciiCase.h"

#include <QDate>
#include <QLatin1StringView>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace velko {

namespace {

using L = QLatin1StringView;

bool isDecimalNumber(QStringView text, bool negativeOne) {
    if (negativeOne && text == u"-1")
        return true;
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

int number(const QRegularExpressionMatch &match, int group) {
    return match.capturedView(group).toInt();
}

bool isTime(int hour, int minute, int second) {
    return hour <= 23 && minute <= 59 && second <= 60; // 60: a leap second
}

int monthNumber(QStringView name) {
    static constexpr QLatin1StringView kMonths[] = {
        L("Jan"), L("Feb"), L("Mar"), L("Apr"), L("May"), L("Jun"),
        L("Jul"), L("Aug"), L("Sep"), L("Oct"), L("Nov"), L("Dec"),
    };
    for (int i = 0; i < 12; ++i)
        if (name == kMonths[i])
            return i + 1;
    return 0;
}

} // namespace

bool isAbsoluteHttpAddress(QStringView address) {
    for (const QLatin1StringView scheme : {L("http://"), L("https://")})
        if (address.size() > scheme.size() && startsWithAsciiCaseless(address, scheme))
            return true;
    return false;
}

QStringView refreshAddress(QStringView content) {
    content = content.trimmed();
    qsizetype at = 0;
    while (at < content.size() &&
           ((content[at] >= u'0' && content[at] <= u'9') || content[at] == u'.'))
        ++at;
    if (at == 0)
        return {};
    QStringView rest = content.sliced(at).trimmed();
    if (rest.startsWith(u';') || rest.startsWith(u','))
        rest = rest.sliced(1).trimmed();
    if (startsWithAsciiCaseless(rest, L("url"))) {
        const QStringView afterUrl = rest.sliced(3).trimmed();
        if (afterUrl.startsWith(u'='))
            rest = afterUrl.sliced(1).trimmed();
    }
    if (rest.size() >= 2 && (rest.front() == u'"' || rest.front() == u'\'') &&
        rest.back() == rest.front())
        rest = rest.sliced(1, rest.size() - 2);
    return rest;
}

QString viewportZoomStop(QStringView content) {
    const auto separates = [](QChar c) { return c == u',' || c == u';' || c.isSpace(); };
    // Each "key=value" of the content, blanks allowed around "=", as
    // browsers split it; the value is read as browsers read numbers there.
    const qsizetype size = content.size();
    for (qsizetype at = 0; at < size;) {
        while (at < size && separates(content[at]))
            ++at;
        const qsizetype start = at;
        while (at < size && !separates(content[at]) && content[at] != u'=')
            ++at;
        const QStringView key = content.sliced(start, at - start);
        while (at < size && content[at].isSpace())
            ++at;
        if (at >= size || content[at] != u'=')
            continue;
        ++at;
        while (at < size && content[at].isSpace())
            ++at;
        const qsizetype valueStart = at;
        while (at < size && !separates(content[at]))
            ++at;
        const QStringView value = content.sliced(valueStart, at - valueStart);
        bool isNumber = false;
        qsizetype numberEnd = 0;
        while (numberEnd < value.size() &&
               (value[numberEnd].isDigit() || value[numberEnd] == u'.' ||
                (numberEnd == 0 && (value[0] == u'-' || value[0] == u'+'))))
            ++numberEnd;
        const double number = value.first(numberEnd).toDouble(&isNumber);
        const bool yes = equalsAsciiCaseless(value, L("yes"));
        const bool no = equalsAsciiCaseless(value, L("no"));
        const bool device = equalsAsciiCaseless(value, L("device-width")) ||
                            equalsAsciiCaseless(value, L("device-height"));
        bool stops = false;
        if (equalsAsciiCaseless(key, L("user-scalable")))
            stops = no || (!yes && !device && (!isNumber || std::abs(number) < 1));
        else if (equalsAsciiCaseless(key, L("maximum-scale")))
            stops = yes || no || (isNumber && number >= 0 && number < 2);
        if (stops)
            return content.sliced(start, at - start).toString();
    }
    return {};
}

bool robotsKeepsOut(QStringView content) {
    for (QStringView token : content.split(u',')) {
        token = token.trimmed();
        if (equalsAsciiCaseless(token, L("noindex")) || equalsAsciiCaseless(token, L("none")))
            return true;
    }
    return false;
}

bool isLanguageTag(QStringView code) {
    static const QRegularExpression tag(
        QStringLiteral("^([a-z]{2,3}(-[a-z]{4})?(-([a-z]{2}|[0-9]{3}))?|x-default)$"),
        QRegularExpression::CaseInsensitiveOption);
    return tag.match(code).hasMatch();
}

bool isRobotsToken(QStringView token) {
    static constexpr QLatin1StringView kWords[] = {
        L("all"),          L("none"),        L("index"),           L("noindex"),
        L("follow"),       L("nofollow"),    L("noarchive"),       L("nosnippet"),
        L("noimageindex"), L("notranslate"), L("indexifembedded"),
        L("nocache"), // Bing's noarchive
    };
    const qsizetype colon = token.indexOf(u':');
    if (colon < 0)
        return std::any_of(std::begin(kWords), std::end(kWords), [token](QLatin1StringView word) {
            return equalsAsciiCaseless(token, word);
        });
    const QStringView key = token.first(colon).trimmed();
    const QStringView value = token.sliced(colon + 1).trimmed();
    if (equalsAsciiCaseless(key, L("max-snippet")) ||
        equalsAsciiCaseless(key, L("max-video-preview")))
        return isDecimalNumber(value, true);
    if (equalsAsciiCaseless(key, L("max-image-preview")))
        return equalsAsciiCaseless(value, L("none")) || equalsAsciiCaseless(value, L("standard")) ||
               equalsAsciiCaseless(value, L("large"));
    return equalsAsciiCaseless(key, L("unavailable_after")) && !value.isEmpty();
}

bool isRetiredRobotsToken(QStringView token) {
    // The open and the Yahoo and Yandex directories whose descriptions they
    // kept out, and the sitelinks search box, all gone.
    static constexpr QLatin1StringView kRetired[] = {L("noodp"), L("noydir"), L("noyaca"),
                                                     L("nositelinkssearchbox")};
    return std::any_of(std::begin(kRetired), std::end(kRetired), [token](QLatin1StringView word) {
        return equalsAsciiCaseless(token, word);
    });
}

// The patterns are thread_local: pages are checked on several threads at
// once, and a pattern compiles on its first use.
bool isW3cDate(QStringView text) {
    thread_local const QRegularExpression pattern(
        QStringLiteral(R"(^(\d{4})(?:-(\d{2})(?:-(\d{2})(?:T(\d{2}):(\d{2})(?::(\d{2})(?:\.\d+)?)?)"
                       R"((?:Z|[+-](\d{2}):(\d{2})))?)?)?$)"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return false;
    const int year = number(match, 1);
    const bool hasMonth = match.hasCaptured(2);
    const bool hasDay = match.hasCaptured(3);
    if (hasMonth && !QDate(year, number(match, 2), hasDay ? number(match, 3) : 1).isValid())
        return false;
    if (!match.hasCaptured(4))
        return true;
    return isTime(number(match, 4), number(match, 5), number(match, 6)) &&
           isTime(number(match, 7), number(match, 8), 0);
}

bool isHttpDate(QStringView text) {
    // The preferred form, then the old RFC 850 one and C's asctime().
    thread_local const QRegularExpression kForms[] = {
        QRegularExpression(QStringLiteral(
            R"(^(?:Mon|Tue|Wed|Thu|Fri|Sat|Sun), (?<day>\d{2}) (?<month>[A-Z][a-z]{2}) )"
            R"((?<year>\d{4}) (?<h>\d{2}):(?<m>\d{2}):(?<s>\d{2}) GMT$)")),
        QRegularExpression(QStringLiteral(
            R"(^(?:Mon|Tues|Wednes|Thurs|Fri|Satur|Sun)day, (?<day>\d{2})-(?<month>[A-Z][a-z]{2})-)"
            R"((?<year>\d{2}) (?<h>\d{2}):(?<m>\d{2}):(?<s>\d{2}) GMT$)")),
        QRegularExpression(QStringLiteral(
            R"(^(?:Mon|Tue|Wed|Thu|Fri|Sat|Sun) (?<month>[A-Z][a-z]{2}) (?<day>[ \d]\d) )"
            R"((?<h>\d{2}):(?<m>\d{2}):(?<s>\d{2}) (?<year>\d{4})$)")),
    };
    for (const QRegularExpression &form : kForms) {
        const QRegularExpressionMatch match = form.match(text);
        if (!match.hasMatch())
            continue;
        const auto field = [&match](QStringView name) {
            return match.capturedView(name).trimmed().toInt();
        };
        int year = field(u"year");
        if (year < 100)
            year += 2000; // only leap years matter here
        const int month = monthNumber(match.capturedView(u"month"));
        return month > 0 && QDate(year, month, field(u"day")).isValid() &&
               isTime(field(u"h"), field(u"m"), field(u"s"));
    }
    return false;
}

} // namespace velko
