#include "cli/FormFile.h"

#include <QJsonDocument>
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

QString readText(const QJsonValue &value, QString &text) {
    if (!value.isString())
        return QStringLiteral("expected a string");
    text = value.toString();
    return {};
}

QString readCheck(const QJsonValue &value, bool &checked) {
    if (!value.isBool())
        return QStringLiteral("expected true or false");
    checked = value.toBool();
    return {};
}

QString itemText(const ListSpec &spec, int index) {
    return index < 0 ? QString() : QString::fromUtf8(spec.items[index]);
}

QString readListObject(QJsonObject object, const ListSpec &spec, ListValue &list) {
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
    const int last = int(spec.items.size()) - 1;
    if (number < -1 || number > last)
        return QStringLiteral("index %1 is out of range (-1 to %2)")
            .arg(numberText(number))
            .arg(last);
    if (!text.isUndefined() && !text.isString())
        return quoted(kTextKey) + QStringLiteral(" expected a string");
    list.index = int(number);
    list.text = text.isString() ? text.toString() : itemText(spec, list.index);
    return {};
}

QString readList(const QJsonValue &value, const ListSpec &spec, ListValue &list) {
    if (value.isObject())
        return readListObject(value.toObject(), spec, list);
    if (!value.isString())
        return QStringLiteral("expected an object or a string");
    list = {-1, value.toString()};
    for (int i = 0; i < int(spec.items.size()); ++i)
        if (list.text == itemText(spec, i))
            list.index = i;
    return {};
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
    if (parseError.error != QJsonParseError::NoError)
        return fail(QStringLiteral("not valid JSON: %1 at offset %2")
                        .arg(parseError.errorString())
                        .arg(parseError.offset));
    if (!document.isObject())
        return fail(QStringLiteral("not a JSON object"));

    // Keys are taken out as they are read, so whatever is left is unknown.
    QJsonObject rest = document.object();
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
    for (const FieldSpec &spec : allFields())
        if (spec.field != Field::Spare)
            read(spec.name, [&](const QJsonValue &v) { return readText(v, form[spec.field]); });
    for (const ListSpec &spec : allLists())
        read(spec.name, [&](const QJsonValue &v) { return readList(v, spec, form[spec.list]); });
    for (const CheckSpec &spec : allChecks())
        read(spec.caption, [&](const QJsonValue &v) { return readCheck(v, form[spec.check]); });

    if (!problem.isEmpty())
        return fail(problem);
    if (!rest.isEmpty())
        return fail(QStringLiteral("unknown key ") + quoted(rest.begin().key()));
    return form;
}

QJsonObject formToJson(const FormValue &form) {
    QJsonObject json;
    for (const FieldSpec &spec : allFields())
        if (spec.field != Field::Spare)
            json.insert(QString::fromUtf8(spec.name), form[spec.field]);
    for (const ListSpec &spec : allLists()) {
        const ListValue &list = form[spec.list];
        json.insert(QString::fromUtf8(spec.name),
                    QJsonObject{{kIndexKey, list.index}, {kTextKey, list.text}});
    }
    for (const CheckSpec &spec : allChecks())
        json.insert(QString::fromUtf8(spec.caption), form[spec.check]);
    return json;
}

} // namespace velko
