#include "report/ReportHtml.h"

#include "report/ReportCharts.h"
#include "report/ReportMarkup.h"

#include <QFile>
#include <QHash>
#include <QLocale>
#include <algorithm>

namespace velko {

namespace {

// The style sheet and the script, kept in the program (report.css, report.js).
QString resourceText(const QString &path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

QString escaped(QStringView text) {
    QString out;
    appendEscaped(out, text);
    return out;
}

void addHead(QString &out, const CheckRun &run) {
    out += u"<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"en\" "
           u"xml:lang=\"en\">\n<head>\n<meta charset=\"utf-8\"/>\n"
           u"<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\"/>\n"
           u"<meta name=\"generator\" content=\"Velko " VELKO_VERSION "\"/>\n<title>Check of ";
    appendEscaped(out, run.subject);
    // The markers let an XML reader take the style sheet as character data.
    add(out, u" - Velko</title>\n<style>/*<![CDATA[*/\n",
        resourceText(QStringLiteral(":/report/report.css")), u"/*]]>*/</style>\n</head>\n<body>\n");
}

void addHeader(QString &out, const CheckRun &run) {
    const QLocale english(QLocale::English, QLocale::UnitedKingdom);
    add(out, u"<header>\n<h1>Check of <span class=\"subject\">", escaped(run.subject),
        u"</span></h1>\n<p class=\"made\">Made by Velko " VELKO_VERSION " on <time datetime=\"",
        run.made.toString(Qt::ISODate), u"\">",
        english.toString(run.made, QStringLiteral("d MMMM yyyy, HH:mm")),
        u"</time>.</p>\n</header>\n<main>\n");
}

void addTile(QString &out, QStringView total, QStringView classes, QStringView label,
             qsizetype count) {
    add(out, u"<div class=\"tile ", classes, u"\" data-total=\"", total, u"\" data-count=\"",
        QString::number(count), u"\"><dt>", label, u"</dt><dd>", grouped(count), u"</dd></div>\n");
}

void addTotals(QString &out, const CheckRun &run, const CheckTotals &totals) {
    out += u"<section aria-labelledby=\"totals\">\n<h2 id=\"totals\">Totals</h2>\n"
           u"<dl class=\"tiles\">\n";
    addTile(out, u"pages", u"pages", u"Pages", totals.pages);
    addTile(out, u"pages-with-errors", u"error", u"Pages with errors", totals.pagesWithErrors);
    addTile(out, u"errors", u"error", u"Errors", totals.findings[size_t(Severity::Error)]);
    addTile(out, u"warnings", u"warning", u"Warnings", totals.findings[size_t(Severity::Warning)]);
    addTile(out, u"notes", u"note", u"Notes", totals.findings[size_t(Severity::Note)]);
    out += u"</dl>\n";
    if (run.unreadablePages > 0)
        add(out, u"<p class=\"notice\" data-total=\"unreadable\" data-count=\"",
            QString::number(run.unreadablePages), u"\">", grouped(run.unreadablePages),
            run.unreadablePages == 1 ? u" page could not be read." : u" pages could not be read.",
            u"</p>\n");
    if (!run.skippedRules.isEmpty())
        add(out, u"<p class=\"notice\">Not checked: ", escaped(run.skippedRules.join(u"; ")),
            u".</p>\n");
    out += u"</section>\n";
}

void addCharts(QString &out, const CheckRun &run, const CheckTotals &totals) {
    out += u"<section aria-labelledby=\"rules\">\n<h2 id=\"rules\">Findings per rule</h2>\n";
    appendRuleChart(out, totals);
    out += u"</section>\n<section aria-labelledby=\"widths\">\n"
           u"<h2 id=\"widths\">Title and description widths</h2>\n<div class=\"pair\">\n";
    std::vector<int> titles, descriptions;
    for (const PageResult &page : run.pages) {
        if (!page.title.isEmpty())
            titles.push_back(page.titleWidth);
        if (!page.description.isEmpty())
            descriptions.push_back(page.descriptionWidth);
    }
    const auto without = [&](const std::vector<int> &widths) {
        return qsizetype(run.pages.size() - widths.size());
    };
    out += u"<div>\n<h3>Titles</h3>\n";
    appendWidthChart(out, titleChart, titles, without(titles));
    out += u"</div>\n<div>\n<h3>Descriptions</h3>\n";
    appendWidthChart(out, descriptionChart, descriptions, without(descriptions));
    out += u"</div>\n</div>\n</section>\n";
}

constexpr size_t kGroupLinks = 10;

// The groups largest first, and the first pages of each in the order
// checked; the page table, filtered by the text, has them all.
void addGroups(QString &out, const CheckRun &run, const std::vector<PageGroup> &groups,
               QStringView heading, QStringView kind, QString PageResult::*shared) {
    add(out, u"<h3>", heading, u"</h3>\n");
    if (groups.empty()) {
        add(out, u"<p>No two pages share a ", kind, u".</p>\n");
        return;
    }
    std::vector<const PageGroup *> order;
    for (const PageGroup &group : groups)
        order.push_back(&group);
    std::stable_sort(order.begin(), order.end(),
                     [](const PageGroup *a, const PageGroup *b) { return a->size() > b->size(); });
    add(out, u"<ol class=\"groups\" data-shared=\"", kind, u"\">\n");
    for (const PageGroup *group : order) {
        const qsizetype size = qsizetype(group->size());
        const QString text = escaped(run.pages[size_t(group->front())].*shared);
        add(out, u"<li data-size=\"", QString::number(size),
            u"\"><details><summary><span class=\"size\">", grouped(size), u" pages</span> <q>",
            text, u"</q></summary>\n<ul>");
        for (size_t i = 0; i < group->size() && i < kGroupLinks; ++i) {
            const QString &path = run.pages[size_t((*group)[i])].path;
            out += u"<li><a href=\"";
            appendEscaped(out, pathLink(path));
            out += u"\">";
            appendEscaped(out, path);
            out += u"</a></li>";
        }
        if (group->size() > kGroupLinks)
            add(out, u"<li><a href=\"#pages\" data-filter=\"", text, u"\">and ",
                grouped(qsizetype(group->size() - kGroupLinks)),
                u" more in the page table</a></li>");
        out += u"</ul></details></li>\n";
    }
    out += u"</ol>\n";
}

void addShared(QString &out, const CheckRun &run) {
    out += u"<section aria-labelledby=\"shared\">\n"
           u"<h2 id=\"shared\">Pages sharing a title or a description</h2>\n";
    addGroups(out, run, run.sharedTitles, u"Titles", u"title", &PageResult::title);
    addGroups(out, run, run.sharedDescriptions, u"Descriptions", u"description",
              &PageResult::description);
    out += u"</section>\n";
}

struct Column {
    QStringView heading;
    QStringView classes;
};

// The page table's columns; report.js knows which field of a page each shows.
constexpr Column kColumns[] = {{u"Page", u"text"},          {u"Title", u"text"},
                               {u"Title width", u"number"}, {u"Description width", u"number"},
                               {u"Errors", u"number"},      {u"Warnings", u"number"},
                               {u"Notes", u"number"}};

void addPageTable(QString &out, const std::vector<Rule> &rules, const CheckTotals &totals) {
    out += u"<section aria-labelledby=\"pages\">\n<h2 id=\"pages\">Pages</h2>\n"
           u"<div class=\"controls\">\n<label>Filter <input type=\"search\" id=\"filter\" "
           u"placeholder=\"path, title or description\" autocomplete=\"off\"/></label>\n"
           u"<label>Rule <select id=\"rule\">\n<option value=\"\">any rule</option>\n";
    for (const Rule rule : rules) {
        const RuleEntry &entry = ruleEntry(rule);
        add(out, u"<option value=\"", entry.id, u"\">", entry.id, u" (",
            grouped(totals.perRule[size_t(rule)]), u")</option>\n");
    }
    out += u"</select></label>\n<output id=\"shown\" aria-live=\"polite\"></output>\n</div>\n"
           u"<table class=\"pages\" id=\"page-table\">\n<thead><tr>";
    for (const Column &column : kColumns)
        add(out, u"<th scope=\"col\" class=\"", column.classes, u"\"><button type=\"button\">",
            column.heading, u"</button></th>");
    out += u"</tr></thead>\n</table>\n<p class=\"more\" id=\"more\"><button type=\"button\">"
           u"Show more pages</button></p>\n</section>\n";
}

// What the script draws the page table from: the rules in the order of
// `rules`, each page as [path, title, description, title width, description
// width, errors, warnings, notes, [line, column, rule, message, ...]], and
// each distinct message once, which keeps a large report small.
void addData(QString &out, const CheckRun &run, const std::vector<Rule> &rules) {
    add(out, u"<script type=\"application/json\" id=\"report-data\">{\"limits\":[",
        QString::number(searchTitleWidth), u",", QString::number(searchDescriptionWidth),
        u"],\n\"rules\":[");
    // Then each case of those rules (CheckRules.h), with its own severity.
    std::array<qsizetype, ruleCount> ruleIndex{};
    std::vector<qsizetype> caseIndex(ruleCases().size() + 1, 0);
    qsizetype listed = 0;
    const auto list = [&](QLatin1StringView id, Severity severity) {
        add(out, listed ? u",[\"" : u"[\"", id, u"\",\"", severityName(severity), u"\"]");
        return listed++;
    };
    for (const Rule rule : rules) {
        const RuleEntry &entry = ruleEntry(rule);
        ruleIndex[size_t(rule)] = list(entry.id, entry.severity);
    }
    for (const RuleCaseEntry &each : ruleCases())
        if (std::find(rules.begin(), rules.end(), each.rule) != rules.end())
            caseIndex[size_t(each.which)] = list(ruleEntry(each.rule).id, each.severity);
    out += u"],\n\"pages\":[";
    // Findings of a rule (and case) with the same arguments have the same
    // message, so each is formatted once; most rules have none.
    std::array<qsizetype, ruleCount> plainMessage;
    plainMessage.fill(-1);
    QHash<std::pair<int, QStringList>, qsizetype> messageIndex;
    QStringList messages;
    const auto messageOf = [&](const Finding &finding) {
        const bool plain = finding.arguments.isEmpty() && finding.which == RuleCase::None;
        if (plain && plainMessage[size_t(finding.rule)] >= 0)
            return plainMessage[size_t(finding.rule)];
        const std::pair key(int(finding.rule) + ruleCount * int(finding.which), finding.arguments);
        auto known = messageIndex.constFind(key);
        if (known == messageIndex.cend()) {
            known = messageIndex.insert(key, messages.size());
            messages << finding.message();
        }
        if (plain)
            plainMessage[size_t(finding.rule)] = *known;
        return *known;
    };
    for (size_t i = 0; i < run.pages.size(); ++i) {
        const PageResult &page = run.pages[i];
        const SeverityCounts counts = severityCounts(page.findings);
        out += i ? u",\n[" : u"\n[";
        for (const QString *text : {&page.path, &page.title, &page.description}) {
            appendJsonString(out, *text);
            out += u',';
        }
        for (const qsizetype number : {qsizetype(page.titleWidth), qsizetype(page.descriptionWidth),
                                       counts[0], counts[1], counts[2]}) {
            appendNumber(out, number);
            out += u',';
        }
        out += u'[';
        for (size_t f = 0; f < page.findings.size(); ++f) {
            const Finding &finding = page.findings[f];
            for (const qsizetype number :
                 {finding.line, finding.column,
                  finding.which == RuleCase::None ? ruleIndex[size_t(finding.rule)]
                                                  : caseIndex[size_t(finding.which)],
                  messageOf(finding)}) {
                appendNumber(out, number);
                out += u',';
            }
        }
        if (!page.findings.empty())
            out.chop(1);
        out += u"]]";
    }
    out += u"],\n\"messages\":[";
    for (qsizetype i = 0; i < messages.size(); ++i) {
        out += i ? u",\n" : u"\n";
        appendJsonString(out, messages[i]);
    }
    out += u"]}</script>\n";
}

} // namespace

QByteArray reportHtml(const CheckRun &run) {
    const CheckTotals totals = checkTotals(run);
    const std::vector<Rule> rules = rulesByFindings(totals);
    QString out;
    out.reserve(8192 + qsizetype(run.pages.size()) * 1024);
    addHead(out, run);
    addHeader(out, run);
    addTotals(out, run, totals);
    addCharts(out, run, totals);
    addShared(out, run);
    addPageTable(out, rules, totals);
    out += u"</main>\n";
    addData(out, run, rules);
    // The markers let an XML reader take the script as character data.
    add(out, u"<script>//<![CDATA[\n", resourceText(QStringLiteral(":/report/report.js")),
        u"//]]></script>\n</body>\n</html>\n");
    return out.toUtf8();
}

} // namespace velko
