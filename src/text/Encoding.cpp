#include "text/Encoding.h"

#include "base/ByteOrderMarks.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QtEndian>
#include <algorithm>
#include <array>
#include <cstring>

namespace velko {

namespace {

// What bytes 0x80 to 0x9F stand for in Windows-1252. The five bytes it leaves
// undefined stand for the C1 control of the same value, so every byte still
// decodes to exactly one character and encodes back to itself.
constexpr std::array<char16_t, 32> windows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Stateless turns a sequence cut off at the end into a replacement character
// instead of state kept for more input; ConvertInitialBom keeps the decoder
// from dropping a byte-order mark on its own.
constexpr auto kUtf8Flags =
    QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;

void appendCharacterReference(QByteArray &out, char32_t codePoint) {
    out.append("&#");
    out.append(QByteArray::number(uint(codePoint)));
    out.append(';');
}

// The length of the valid UTF-8 sequence that starts at `at`; 0 when none does.
qsizetype utf8SequenceLength(QByteArrayView bytes, qsizetype at) {
    const auto byte = [&](qsizetype i) {
        return at + i < bytes.size() ? static_cast<unsigned char>(bytes[at + i]) : 0;
    };
    const auto within = [](unsigned c, unsigned low, unsigned high) {
        return c >= low && c <= high;
    };
    const unsigned lead = byte(0);
    if (lead < 0x80)
        return 1;
    qsizetype length = 2;
    unsigned low = 0x80; // the bounds of the second byte
    unsigned high = 0xBF;
    if (within(lead, 0xE0, 0xEF)) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : low;   // no overlong forms
        high = lead == 0xED ? 0x9F : high; // no surrogates
    } else if (within(lead, 0xF0, 0xF4)) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : low;
        high = lead == 0xF4 ? 0x8F : high; // nothing past U+10FFFF
    } else if (!within(lead, 0xC2, 0xDF)) {
        return 0;
    }
    if (!within(byte(1), low, high))
        return 0;
    for (qsizetype i = 2; i < length; ++i) {
        if (!within(byte(i), 0x80, 0xBF))
            return 0;
    }
    return length;
}

QString decodeUtf8(QByteArrayView bytes) {
    QStringDecoder decoder(QStringConverter::Utf8, kUtf8Flags);
    if (bytes.isValidUtf8())
        return decoder.decode(bytes);
    // UTF-8 never takes more characters than bytes, nor does an escaped byte.
    QString text(bytes.size() + 1, Qt::Uninitialized);
    QChar *out = text.data();
    qsizetype run = 0; // the start of the valid bytes not yet decoded
    for (qsizetype at = 0; at < bytes.size();) {
        const qsizetype length = utf8SequenceLength(bytes, at);
        if (length > 0) {
            at += length;
            continue;
        }
        out = decoder.appendToBuffer(out, bytes.sliced(run, at - run));
        *out++ = QChar(char16_t(0xDC00 + static_cast<unsigned char>(bytes[at])));
        run = ++at;
    }
    out = decoder.appendToBuffer(out, bytes.sliced(run));
    text.truncate(out - text.constData());
    return text;
}

QByteArray encodeUtf8(QStringView text) {
    QByteArray out;
    qsizetype run = 0; // the start of the characters not yet encoded
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        if (!QChar::isSurrogate(unit))
            continue;
        if (QChar::isHighSurrogate(unit) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
            continue;
        }
        if (unit < 0xDC80 || unit > 0xDCFF)
            continue; // no byte of a page; Qt writes it as "?"
        out += text.sliced(run, i - run).toUtf8();
        out += char(unit - 0xDC00);
        run = i + 1;
    }
    if (run == 0)
        return text.toUtf8();
    out += text.sliced(run).toUtf8();
    return out;
}

QString decodeUtf16(QByteArrayView bytes, bool bigEndian) {
    if (bytes.size() < 2)
        return {}; // Qt's byte swaps copy with memcpy, which takes no null pointer
    QString text(bytes.size() / 2, Qt::Uninitialized);
    if (bigEndian)
        qFromBigEndian<char16_t>(bytes.data(), text.size(), text.data());
    else
        qFromLittleEndian<char16_t>(bytes.data(), text.size(), text.data());
    return text;
}

QByteArray encodeUtf16(QStringView text, bool bigEndian) {
    if (text.isEmpty())
        return {}; // as above
    QByteArray out(text.size() * 2, Qt::Uninitialized);
    if (bigEndian)
        qToBigEndian<char16_t>(text.data(), text.size(), out.data());
    else
        qToLittleEndian<char16_t>(text.data(), text.size(), out.data());
    return out;
}

QString decodeSingleByte(QByteArrayView bytes, const QString &table) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    const QChar *character = table.constData();
    for (const char c : bytes)
        *out++ = character[static_cast<unsigned char>(c)];
    return text;
}

QByteArray encodeSingleByte(QStringView text, const QString &table) {
    struct ByteOf {
        char16_t character;
        unsigned char byte;
    };
    std::array<ByteOf, 256> bytesOf{};
    bool asciiIsItself = true;
    for (int byte = 0; byte < 256; ++byte) {
        bytesOf[byte] = {table[byte].unicode(), static_cast<unsigned char>(byte)};
        asciiIsItself = asciiIsItself && (byte >= 0x80 || table[byte] == QChar(byte));
    }
    std::sort(bytesOf.begin(), bytesOf.end(),
              [](const ByteOf &a, const ByteOf &b) { return a.character < b.character; });

    // One byte a character, unless a character reference takes more room.
    QByteArray out(text.size(), Qt::Uninitialized);
    char *data = out.data();
    qsizetype size = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        // Most of a page is ASCII: four characters at a time, the low byte of
        // each (in memory order whichever the byte order).
        while (asciiIsItself && i + 4 <= text.size()) {
            quint64 four;
            std::memcpy(&four, text.utf16() + i, sizeof four);
            if (four & 0xFF80FF80FF80FF80)
                break;
            const auto bytes = quint32((four & 0xFF) | ((four >> 8) & 0xFF00) |
                                       ((four >> 16) & 0xFF0000) | ((four >> 24) & 0xFF000000));
            std::memcpy(data + size, &bytes, sizeof bytes);
            size += 4;
            i += 4;
        }
        if (i == text.size())
            break;
        const char16_t unit = text[i].unicode();
        if (unit < 0x80 && asciiIsItself) {
            data[size++] = char(unit);
            continue;
        }
        const auto found = std::lower_bound(
            bytesOf.begin(), bytesOf.end(), unit,
            [](const ByteOf &entry, char16_t character) { return entry.character < character; });
        if (found != bytesOf.end() && found->character == unit) {
            data[size++] = char(found->byte);
            continue;
        }
        QByteArray reference;
        if (QChar::isHighSurrogate(unit) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            appendCharacterReference(reference,
                                     QChar::surrogateToUcs4(unit, text[i + 1].unicode()));
            ++i;
        } else {
            appendCharacterReference(reference, unit);
        }
        const qsizetype needed = size + reference.size() + (text.size() - i - 1);
        if (needed > out.size()) {
            out.resize(std::max(needed, out.size() + out.size() / 2));
            data = out.data();
        }
        std::memcpy(data + size, reference.constData(), size_t(reference.size()));
        size += reference.size();
    }
    out.truncate(size);
    return out;
}

// The character of each byte, when the charset gives every byte one character
// of its own; empty otherwise. In a multi-byte charset some two bytes in a row,
// rising or falling, make one character, so one of the two readings comes out
// shorter.
QString singleByteTable(const char *label) {
    QByteArray rising(256, Qt::Uninitialized);
    QByteArray falling(256, Qt::Uninitialized);
    for (int byte = 0; byte < 256; ++byte) {
        rising[byte] = char(byte);
        falling[255 - byte] = char(byte);
    }
    QStringDecoder up(label, QStringConverter::Flag::Stateless);
    QStringDecoder down(label, QStringConverter::Flag::Stateless);
    const QString table = up.decode(rising);
    QString backwards = down.decode(falling);
    std::reverse(backwards.begin(), backwards.end());
    if (up.hasError() || down.hasError() || table.size() != 256 || backwards != table)
        return {};
    QString sorted = table;
    std::sort(sorted.begin(), sorted.end());
    return std::adjacent_find(sorted.begin(), sorted.end()) == sorted.end() ? table : QString();
}

// Every ASCII byte reads as one character and writes back as itself; the
// printable ones and white space read as themselves. (Some IBM tables swap a
// few control characters.)
bool keepsAscii(const char *label) {
    QByteArray ascii(128, Qt::Uninitialized);
    for (int byte = 0; byte < 128; ++byte)
        ascii[byte] = char(byte);
    QStringDecoder decoder(label, QStringConverter::Flag::Stateless);
    const QString text = decoder.decode(ascii);
    if (decoder.hasError() || text.size() != 128)
        return false;
    for (int c = 0; c < 128; ++c) {
        const bool markup =
            (c >= 0x20 && c < 0x7F) || c == '\t' || c == '\n' || c == '\f' || c == '\r';
        if (markup && text[c] != QChar(c))
            return false;
    }
    QStringEncoder encoder(label, QStringConverter::Flag::Stateless);
    const QByteArray back = encoder.encode(text);
    return !encoder.hasError() && back == ascii;
}

} // namespace

Encoding Encoding::windows1252() {
    static const QString table = [] {
        QString built(256, Qt::Uninitialized);
        for (int byte = 0; byte < 256; ++byte)
            built[byte] =
                byte >= 0x80 && byte < 0xA0 ? QChar(windows1252High[byte - 0x80]) : QChar(byte);
        return built;
    }();
    Encoding encoding;
    encoding.m_kind = Kind::SingleByte;
    encoding.m_name = QStringLiteral("windows-1252");
    encoding.m_table = table;
    return encoding;
}

Encoding Encoding::utf16(bool bigEndian) {
    Encoding encoding;
    encoding.m_kind = bigEndian ? Kind::Utf16Be : Kind::Utf16Le;
    encoding.m_name = bigEndian ? QStringLiteral("UTF-16BE") : QStringLiteral("UTF-16LE");
    return encoding;
}

std::optional<Encoding> Encoding::fromLabel(QByteArrayView label) {
    const QByteArray trimmed = label.trimmed().toByteArray();
    // Browsers know labels of letters, digits and "-_.:" only; Qt's
    // converters would also take "utf-8\"" or "utf-8;" for UTF-8, which
    // browsers pass over for the next declaration.
    const auto inLabels = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '-' || c == '_' || c == '.' || c == ':';
    };
    if (!std::all_of(trimmed.begin(), trimmed.end(), inLabels))
        return std::nullopt;
    // Qt's "Locale" is whatever this machine uses, no charset of a page.
    if (trimmed.isEmpty() ||
        QStringConverter::encodingForName(trimmed.constData()) == QStringConverter::System)
        return std::nullopt;
    const QStringDecoder decoder(trimmed.constData());
    if (!decoder.isValid())
        return std::nullopt;
    const QString name = QString::fromLatin1(decoder.name());
    if (name == QLatin1StringView("UTF-8"))
        return Encoding();
    for (const char *latin : {"ISO-8859-1", "US-ASCII", "windows-1252"}) {
        if (name == QLatin1StringView(latin))
            return windows1252();
    }
    if (!keepsAscii(trimmed.constData()))
        return std::nullopt;
    Encoding encoding;
    // Qt names the charset it opened, in its usual spelling; for the few it
    // leaves unnamed the page's own label serves.
    encoding.m_name = name.isEmpty() ? QString::fromLatin1(trimmed) : name;
    encoding.m_label = trimmed;
    encoding.m_table = singleByteTable(trimmed.constData());
    encoding.m_kind = encoding.m_table.isEmpty() ? Kind::Converter : Kind::SingleByte;
    return encoding;
}

bool Encoding::isAsciiCompatible() const {
    return m_kind != Kind::Utf16Le && m_kind != Kind::Utf16Be;
}

QByteArrayView Encoding::byteOrderMark() const {
    switch (m_kind) {
    case Kind::Utf8:
        return kUtf8Mark;
    case Kind::Utf16Le:
        return kUtf16LeMark;
    case Kind::Utf16Be:
        return kUtf16BeMark;
    case Kind::SingleByte:
    case Kind::Converter:
        break;
    }
    return {};
}

QString Encoding::decode(QByteArrayView bytes) const {
    switch (m_kind) {
    case Kind::Utf8:
        return decodeUtf8(bytes);
    case Kind::Utf16Le:
    case Kind::Utf16Be:
        return decodeUtf16(bytes, m_kind == Kind::Utf16Be);
    case Kind::SingleByte:
        return decodeSingleByte(bytes, m_table);
    case Kind::Converter:
        break;
    }
    QStringDecoder decoder(m_label.constData(), QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

QByteArray Encoding::encode(QStringView text) const {
    switch (m_kind) {
    case Kind::Utf8:
        return encodeUtf8(text);
    case Kind::Utf16Le:
    case Kind::Utf16Be:
        return encodeUtf16(text, m_kind == Kind::Utf16Be);
    case Kind::SingleByte:
        return encodeSingleByte(text, m_table);
    case Kind::Converter:
        break;
    }
    QByteArray out;
    appendEncoded(text, out);
    return out;
}

// Qt's converter reports that some character could not be written, not which:
// the text is halved until each such character stands alone.
void Encoding::appendEncoded(QStringView text, QByteArray &out) const {
    QStringEncoder encoder(m_label.constData(), QStringConverter::Flag::Stateless);
    const QByteArray bytes = encoder.encode(text);
    if (!encoder.hasError()) {
        out += bytes;
        return;
    }
    const bool pair = text.size() == 2 && text[0].isHighSurrogate() && text[1].isLowSurrogate();
    if (text.size() == 1 || pair) {
        appendCharacterReference(out, pair ? QChar::surrogateToUcs4(text[0], text[1])
                                           : char32_t(text[0].unicode()));
        return;
    }
    qsizetype half = text.size() / 2;
    if (text[half - 1].isHighSurrogate() && text[half].isLowSurrogate())
        ++half; // a pair stays whole
    appendEncoded(text.first(half), out);
    appendEncoded(text.sliced(half), out);
}

bool Encoding::roundTrips(QByteArrayView bytes, QString *decoded) const {
    switch (m_kind) {
    case Kind::Utf8: // an invalid byte is kept as itself
    case Kind::SingleByte:
        return true;
    case Kind::Utf16Le:
    case Kind::Utf16Be:
        return bytes.size() % 2 == 0;
    case Kind::Converter:
        break;
    }
    QString text = decode(bytes);
    if (encode(text) != bytes)
        return false;
    if (decoded)
        *decoded = std::move(text);
    return true;
}

} // namespace velko
