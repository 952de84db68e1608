#pragma once

// The forms that meta tag and link values must take, for the page checker.
// Each takes the value as a browser shows it (DisplayText.h).

#include <QString>
#include <QStringView>

namespace velko {

// "http://" or "https://" (any letter case) and more.
bool isAbsoluteHttpAddress(QStringView address);

// The address a refresh tag's content sends visitors to: what follows the
// seconds and a ";" or "," (and "url=", which may be left out); empty when
// the tag only reloads the page, or its content starts with no number, which
// browsers ignore.
QStringView refreshAddress(QStringView content);

// A token of a robots tag's content (between commas, trimmed), in any ASCII
// letter case: a directive search engines know, with a value of the right
// form for those that take one ("max-snippet:50").
bool isRobotsToken(QStringView token);

// A robots token that search engines once knew and no longer heed: noodp,
// noydir, noyaca, nositelinkssearchbox, in any ASCII letter case.
bool isRetiredRobotsToken(QStringView token);

// True when a robots tag's content keeps the page out of search results:
// it holds noindex or none.
bool robotsKeepsOut(QStringView content);

// The setting of a viewport tag's content that keeps people from zooming,
// as written ("user-scalable=no", "maximum-scale=1.0"); empty when it has
// none. Browsers read user-scalable=no, or a number under 1, as no zoom, and
// a maximum-scale under 2 leaves too little of it.
QString viewportZoomStop(QStringView content);

// An hreflang value: a language (two or three letters), with an optional
// script (four letters) and region (two letters or three digits), in any
// letter case; or x-default.
bool isLanguageTag(QStringView code);

// A W3C date: YYYY, YYYY-MM, YYYY-MM-DD, or a complete date with a time and
// a time zone: YYYY-MM-DDThh:mm[:ss[.s]](Z|+hh:mm|-hh:mm).
bool isW3cDate(QStringView text);

// An HTTP date, in its preferred form "Sun, 06 Nov 1994 08:49:37 GMT" or
// one of the two older ones that HTTP still accepts.
bool isHttpDate(QStringView text);

} // namespace velko
