#include "report/ReportCharts.h"

#include "report/ReportMarkup.h"

#include <algorithm>
#include <cmath>

namespace velko {

namespace {

// The rule chart is drawn at its own size, two width charts side by side.
constexpr int kRuleChartWidth = 760;
constexpr int kWidthChartWidth = 560;

QString n(double value) {
    return QString::number(value, 'f', value == std::floor(value) ? 0 : 1);
}

void addRect(QString &out, QStringView classes, double x, double y, double width, double height) {
    add(out, u"<rect class=\"", classes, u"\" x=\"", n(x), u"\" y=\"", n(y), u"\" width=\"",
        n(width), u"\" height=\"", n(height), u"\"");
}

void addText(QString &out, QStringView classes, double x, double y, QStringView text) {
    add(out, u"<text class=\"", classes, u"\" x=\"", n(x), u"\" y=\"", n(y), u"\">");
    appendEscaped(out, text);
    out += u"</text>";
}

QString plural(qsizetype count, QStringView one, QStringView many) {
    QString text = grouped(count);
    add(text, u" ", count == 1 ? one : many);
    return text;
}

// The smallest of 1, 2, 5, 10, 20, 50, ... that is at least `count`.
qsizetype roundUp(qsizetype count) {
    for (qsizetype power = 1;; power *= 10)
        for (const qsizetype step : {1, 2, 5})
            if (step * power >= count)
                return step * power;
}

constexpr QStringView kSeverityPlurals[] = {u"errors", u"warnings", u"notes"};

void addTableStart(QString &out, std::initializer_list<QStringView> headings) {
    out += u"<details><summary>The numbers as a table</summary>\n"
           u"<table class=\"numbers\"><thead><tr>";
    for (const QStringView heading : headings)
        add(out, u"<th scope=\"col\">", heading, u"</th>");
    out += u"</tr></thead><tbody>\n";
}

constexpr QStringView kTableEnd = u"</tbody></table></details>\n</figure>\n";

void addSvgStart(QString &out, QStringView classes, int width, int height, QStringView what) {
    add(out, u"<figure class=\"chart\">\n<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"",
        classes, u"\" role=\"img\" viewBox=\"0 0 ", n(width), u" ", n(height), u"\" aria-label=\"",
        what, u", as in the table under the chart\">\n");
}

// "0–25 px", "26–50 px", ..., "876 px or more".
QString barRange(const WidthChart &chart, int bar) {
    QString range = grouped(bar * chart.step + (bar > 0));
    if (bar + 1 < chart.bars)
        add(range, u"–", grouped((bar + 1) * chart.step), u" px");
    else
        range += u" px or more";
    return range;
}

} // namespace

std::vector<Rule> rulesByFindings(const CheckTotals &totals) {
    std::vector<Rule> rules;
    for (const RuleEntry &entry : checkRules())
        if (totals.perRule[size_t(entry.rule)] > 0)
            rules.push_back(entry.rule);
    std::stable_sort(rules.begin(), rules.end(), [&](Rule a, Rule b) {
        const Severity severityA = ruleEntry(a).severity, severityB = ruleEntry(b).severity;
        return severityA != severityB ? severityA < severityB
                                      : totals.perRule[size_t(a)] > totals.perRule[size_t(b)];
    });
    return rules;
}

void appendRuleChart(QString &out, const CheckTotals &totals) {
    const std::vector<Rule> rules = rulesByFindings(totals);
    if (rules.empty()) {
        out += u"<p>No findings.</p>\n";
        return;
    }
    constexpr int labelEnd = 222, barStart = 230, barRoom = 460, top = 30, rowHeight = 24;
    qsizetype largest = 0;
    for (const Rule rule : rules)
        largest = std::max(largest, totals.perRule[size_t(rule)]);
    addSvgStart(out, u"rules", kRuleChartWidth, top + int(rules.size()) * rowHeight + 6,
                u"Findings per rule");
    for (int severity = 0; severity < 3; ++severity) {
        const double x = barStart + severity * 110;
        addRect(out, QString(severityName(Severity(severity))), x, 4, 14, 14);
        out += u"/>";
        addText(out, u"legend", x + 20, 16, kSeverityPlurals[severity]);
    }
    out += u'\n';
    for (size_t i = 0; i < rules.size(); ++i) {
        const RuleEntry &entry = ruleEntry(rules[i]);
        const qsizetype count = totals.perRule[size_t(entry.rule)];
        const QString severity = severityName(entry.severity);
        const double y = top + double(i) * rowHeight;
        const double width = std::max(2.0, double(barRoom) * double(count) / double(largest));
        add(out, u"<g class=\"bar\" data-rule=\"", entry.id, u"\">");
        addText(out, u"label", labelEnd, y + 13, QString(entry.id));
        addRect(out, severity, barStart, y + 1, width, 16);
        add(out, u"><title>", entry.id, u": ",
            plural(count, severity, kSeverityPlurals[size_t(entry.severity)]), u"</title></rect>");
        addText(out, u"count", barStart + width + 6, y + 13, grouped(count));
        out += u"</g>\n";
    }
    out += u"</svg>\n";
    addTableStart(out, {u"Rule", u"Severity", u"Findings"});
    for (const Rule rule : rules) {
        const RuleEntry &entry = ruleEntry(rule);
        const qsizetype count = totals.perRule[size_t(rule)];
        add(out, u"<tr data-rule=\"", entry.id, u"\" data-severity=\"",
            severityName(entry.severity), u"\" data-count=\"", QString::number(count),
            u"\"><th scope=\"row\"><a href=\"#pages\" data-rule=\"", entry.id, u"\">", entry.id,
            u"</a></th><td>", severityName(entry.severity), u"</td><td>", grouped(count),
            u"</td></tr>\n");
    }
    out += kTableEnd;
}

std::vector<qsizetype> histogram(const WidthChart &chart, const std::vector<int> &widths) {
    std::vector<qsizetype> counts(size_t(chart.bars), 0);
    for (const int width : widths)
        ++counts[size_t(std::clamp((width - 1) / chart.step, 0, chart.bars - 1))];
    return counts;
}

void appendWidthChart(QString &out, const WidthChart &chart, const std::vector<int> &widths,
                      qsizetype without) {
    const std::vector<qsizetype> counts = histogram(chart, widths);
    const qsizetype scale = roundUp(*std::max_element(counts.begin(), counts.end()));
    constexpr double left = 44, right = kWidthChartWidth - 10, top = 30, bottom = 200;
    const double barWidth = (right - left) / chart.bars;
    const double limitX = left + barWidth * chart.limit / chart.step;
    const qsizetype past =
        std::count_if(widths.begin(), widths.end(), [&](int width) { return width > chart.limit; });

    addSvgStart(out, u"widths", kWidthChartWidth, 240,
                "Pages by the width of their " + chart.name.toString());
    for (const qsizetype value : {qsizetype(0), scale / 2, scale}) {
        const QString y = n(bottom - (bottom - top) * double(value) / double(scale));
        add(out, u"<line class=\"grid\" x1=\"", n(left), u"\" x2=\"", n(right), u"\" y1=\"", y,
            u"\" y2=\"", y, u"\"/>");
        addText(out, u"end", left - 6, y.toDouble() + 4, grouped(value));
    }
    out += u'\n';
    for (int bar = 0; bar < chart.bars; ++bar) {
        const qsizetype count = counts[size_t(bar)];
        const double height = (bottom - top) * double(count) / double(scale);
        addRect(out, bar * chart.step >= chart.limit ? u"past" : u"fits", left + bar * barWidth + 1,
                bottom - height, barWidth - 2, height);
        add(out, u"><title>", barRange(chart, bar), u": ", plural(count, u"page", u"pages"),
            u"</title></rect>");
    }
    out += u'\n';
    for (int tick = 0; tick < chart.bars * chart.step; tick += chart.tick)
        addText(out, u"middle", left + barWidth * tick / chart.step, bottom + 16, grouped(tick));
    addText(out, u"end", right, bottom + 34, u"pixels");
    add(out, u"<line class=\"limit\" x1=\"", n(limitX), u"\" x2=\"", n(limitX), u"\" y1=\"",
        n(top - 12), u"\" y2=\"", n(bottom), u"\"/>");
    addText(out, u"limit", limitX + 5, top - 3, "cut past " + grouped(chart.limit) + " px");
    add(out, u"\n</svg>\n<figcaption>Pages by the width of their ", chart.name, u" at ",
        n(chart.pixelSize), u" px, in steps of ", n(chart.step), u" px. Search results cut a ",
        chart.name, u" past ", grouped(chart.limit), u" px: ",
        plural(past, u"page is", u"pages are"), u" wider");
    if (without > 0)
        add(out, u"; ", plural(without, u"page has", u"pages have"), u" no ", chart.name);
    out += u".</figcaption>\n";

    addTableStart(out, {u"Width", u"Pages"});
    for (int bar = 0; bar < chart.bars; ++bar) {
        const QString to =
            bar + 1 < chart.bars ? QString::number((bar + 1) * chart.step) : QString();
        add(out, u"<tr data-from=\"", QString::number(bar * chart.step + (bar > 0)),
            u"\" data-to=\"", to, u"\" data-count=\"", QString::number(counts[size_t(bar)]),
            u"\"><th scope=\"row\">", barRange(chart, bar), u"</th><td>",
            grouped(counts[size_t(bar)]), u"</td></tr>\n");
    }
    out += kTableEnd;
}

} // namespace velko
