#pragma once

// The page checker: what in a page's head keeps it from working as meant in
// browsers and search results (CheckRules.h lists the rules). One pass of the
// page scanner over the page's bytes; the head is where findHead puts it,
// with whatever comes before the head tag, which browsers put in the head too.

#include "check/CheckRules.h"

#include <QByteArrayView>
#include <QStringList>
#include <QStringView>
#include <vector>

namespace velko {

struct Finding {
    qsizetype line = 1;   // as PagePlaces.h counts lines
    qsizetype column = 1; // and columns
    Rule rule = Rule::HeadImplied;
    QStringList arguments; // the values the rule's message names
    RuleCase which = RuleCase::None;

    // The rule's, or its case's.
    Severity severity() const;
    // The message in English, as the command line prints it.
    QString message() const;
    // The message in the language of the window.
    QString translatedMessage() const;

private:
    const char *pattern() const;
};

// Checks a page's bytes, read in the charset a browser would read them in: a
// UTF-8 byte-order mark, else the charset the head declares first, else UTF-8
// when the bytes are valid UTF-8 and Windows-1252 otherwise. Findings in page
// order.
std::vector<Finding> checkPage(QByteArrayView page);

// Checks the text of a page being edited, as its UTF-8 bytes. Whether the
// declared charset fits the bytes is left out: the text has none yet.
std::vector<Finding> checkText(QStringView text);

} // namespace velko
