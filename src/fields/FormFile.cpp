#include "fields/FormFile.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <cmath>

namespace velko {

namespace {

const QString kIndexKey = QStringLiteral("index");
const QString kTextKey = QStringLiteral("text");

QString quoted(const QString &text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// Shortest form that reads back as the same number, so a fractional index is
// never shown rounded to a whole one.
QString numberText(double number) {
    return QString::number(number, 'g', QLocale::FloatingPointShortest);
}

// Each reader fills one control from its value and returns why it cannot, or
// an empty string.

// A JSON escape can spell half of a surrogate pair ("\ud800"), which the
// UTF-8 of the tags cannot hold: it would come out as "?".
QString unicodeProblem(const QString &text) {
    return text.isValidUtf16() ? QString()
                               : QStringLiteral("not valid Unicode (half of a surrogate pair)");
}

QString readText(const QJsonValue &value, QString &text) {
    if (!value.isString())
        return QStringLiteral("expected a string");
    text = value.toString();
    return unicodeProblem(text);
}

QString readCheck(const QJsonValue &value, bool &checked) {
    if (!value.isBool())
        return QStringLiteral("expected true or false");
    checked = value.toBool();
    return {};
}

QString itemText(const ListEntry &entry, int index) {
    return index < 0 ? QString() : QString::fromUtf8(entry.items[index]);
}

QString readListObject(QJsonObject object, const ListEntry &entry, ListValue &list) {
    const QJsonValue index = object.take(kIndexKey);
    const QJsonValue text = object.take(kTextKey);
    if (!object.isEmpty())
        return QStringLiteral("unknown key ") + quoted(object.begin().key());
    if (index.isUndefined())
        return QStringLiteral("missing ") + quoted(kIndexKey);
    if (!index.isDouble())
        return quoted(kIndexKey) + QStringLiteral(" expected an integer");
    const double number = index.toDouble();
    if (number != std::floor(number))
        return QStringLiteral("index %1 is not an integer").arg(numberText(number));
    const int last = int(entry.items.size()) - 1;
    if (number < -1 || number > last)
        return QStringLiteral("index %1 is out of range (-1 to %2)")
            .arg(numberText(number))
            .arg(last);
    if (!text.isUndefined() && !text.isString())
        return quoted(kTextKey) + QStringLiteral(" expected a string");
    list.index = int(number);
    list.text = text.isString() ? text.toString() : itemText(entry, list.index);
    // Text that is not the chosen item's is typed text, as in the window.
    if (list.text != itemText(entry, list.index))
        list.index = -1;
    return unicodeProblem(list.text);
}

QString readList(const QJsonValue &value, const ListEntry &entry, ListValue &list) {
    if (value.isObject())
        return readListObject(value.toObject(), entry, list);
    if (!value.isString())
        return QStringLiteral("expected an object or a string");
    list = {-1, value.toString()};
    for (int i = 0; i < int(entry.items.size()); ++i)
        if (list.text == itemText(entry, i))
            list.index = i;
    return unicodeProblem(list.text);
}

// A line of --read output, {"file", "encoding", "form"}, stands for its form.
bool isReadLine(const QJsonObject &object) {
    return object.value(QLatin1String("form")).isObject() &&
           object.contains(QLatin1String("file")) && object.contains(QLatin1String("encoding"));
}

} // namespace

std::optional<FormValue> parseFormFile(const QByteArray &json, QString *error) {
    const auto fail = [error](const QString &message) {
        if (error)
            *error = message;
        return std::nullopt;
    };

    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error == QJsonParseError::GarbageAtEnd &&
        isReadLine(QJsonDocument::fromJson(json.first(parseError.offset)).object()))
        return fail(QStringLiteral("more than one line of --read output; give one page's line"));
    if (parseError.error != QJsonParseError::NoError)
        return fail(QStringLiteral("not valid JSON: %1 at offset %2")
                        .arg(parseError.errorString())
                        .arg(parseError.offset));
    if (!document.isObject())
        return fail(QStringLiteral("not a JSON object"));

    // Keys are taken out as they are read, so whatever is left is unknown.
    QJsonObject rest = document.object();
    if (isReadLine(rest))
        rest = rest.value(QLatin1String("form")).toObject();
    FormValue form;
    QString problem;
    const auto read = [&](const char *name, auto &&reader) {
        const QString key = QString::fromUtf8(name);
        const QJsonValue value = rest.take(key);
        if (problem.isEmpty() && !value.isUndefined()) {
            if (const QString why = reader(value); !why.isEmpty())
                problem = quoted(key) + QStringLiteral(": ") + why;
        }
    };
    for (const FieldEntry &entry : allFields())
        if (entry.field != Field::Spare)
            read(entry.name, [&](const QJsonValue &v) { return readText(v, form[entry.field]); });
    for (const ListEntry &entry : allLists())
        read(entry.name, [&](const QJsonValue &v) { return readList(v, entry, form[entry.list]); });
    for (const CheckEntry &entry : allChecks())
        read(entry.caption, [&](const QJsonValue &v) { return readCheck(v, form[entry.check]); });

    if (!problem.isEmpty())
        return fail(problem);
    if (!rest.isEmpty())
        return fail(QStringLiteral("unknown key ") + quoted(rest.begin().key()));
    return form;
}

// A byte the page's encoding could not read is a lone surrogate in its text
// (text/Encoding.h): JSON has it as the replacement character, not as the
// "?" that Qt would write, which --generate would then put into pages.
QString withReplacementCharacters(QStringView text) {
    QString valid = text.toString();
    for (qsizetype i = 0; i < valid.size(); ++i) {
        if (valid[i].isHighSurrogate() && i + 1 < valid.size() && valid[i + 1].isLowSurrogate())
            ++i;
        else if (valid[i].isSurrogate())
            valid[i] = QChar::ReplacementCharacter;
    }
    return valid;
}

void appendJsonString(QByteArray &out, QStringView text) {
    if (text.isEmpty()) { // most fields of most forms
        out.append("\"\"");
        return;
    }
    const QByteArray utf8 =
        text.isValidUtf16() ? text.toUtf8() : withReplacementCharacters(text).toUtf8();
    out.append('"');
    qsizetype plain = 0; // start of the bytes not yet copied
    for (qsizetype i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c >= 0x20 && c != '"' && c != '\\')
            continue;
        out.append(utf8.constData() + plain, i - plain);
        plain = i + 1;
        switch (c) {
        case '"':
            out.append("\\\"");
            break;
        case '\\':
            out.append("\\\\");
            break;
        case '\n':
            out.append("\\n");
            break;
        case '\r':
            out.append("\\r");
            break;
        case '\t':
            out.append("\\t");
            break;
        default:
            out.append("\\u00").append(QByteArray::number(c, 16).rightJustified(2, '0'));
        }
    }
    out.append(utf8.constData() + plain, utf8.size() - plain);
    out.append('"');
}

QByteArray formTemplateText() {
    QByteArray out = "{\n";
    const auto add = [&out](const char *key, const char *value) {
        out.append("    ");
        appendJsonString(out, QString::fromUtf8(key));
        out.append(": ").append(value).append(",\n");
    };
    for (const FieldEntry &entry : allFields())
        if (entry.field != Field::Spare)
            add(entry.name, "\"\"");
    for (const ListEntry &entry : allLists())
        add(entry.name, "\"\"");
    for (const CheckEntry &entry : allChecks())
        add(entry.caption, "false");
    out.chop(2);
    out.append("\n}\n");
    return out;
}

QByteArray formFileText(const FormValue &form) {
    // Every key of the form file, as JSON text with its colon.
    static const QList<QByteArray> keys = [] {
        QList<QByteArray> built;
        auto add = [&built](const char *name) {
            QByteArray key;
            appendJsonString(key, QString::fromUtf8(name));
            built << key + ':';
        };
        for (const FieldEntry &entry : allFields())
            if (entry.field != Field::Spare)
                add(entry.name);
        for (const ListEntry &entry : allLists())
            add(entry.name);
        for (const CheckEntry &entry : allChecks())
            add(entry.caption);
        return built;
    }();

    QByteArray out;
    out.reserve(2048);
    auto key = keys.cbegin();
    out.append('{');
    for (const FieldEntry &entry : allFields()) {
        if (entry.field == Field::Spare)
            continue;
        out.append(*key++);
        appendJsonString(out, form[entry.field]);
        out.append(',');
    }
    for (const ListEntry &entry : allLists()) {
        const ListValue &list = form[entry.list];
        out.append(*key++).append("{\"index\":").append(QByteArray::number(list.index));
        out.append(",\"text\":");
        appendJsonString(out, list.text);
        out.append("},");
    }
    for (const CheckEntry &entry : allChecks())
        out.append(*key++).append(form[entry.check] ? "true," : "false,");
    out.back() = '}';
    return out;
}

} // namespace velko
