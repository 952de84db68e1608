#pragma once

// How a page's characters are stored as bytes. Velko reads a page in UTF-8,
// UTF-16, Windows-1252 or the charset the page declares, and writes it back
// in the same encoding, so that no byte it did not write itself changes.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

namespace velko {

class Encoding {
public:
    // UTF-8. A byte that is not part of valid UTF-8 reads as the lone
    // surrogate U+DC80 to U+DCFF (0xE9 as U+DCE9, shown as a replacement mark)
    // and is written back as that same byte.
    Encoding() = default;
    // Every byte one character: bytes 0x80 to 0x9F as Windows-1252 has them,
    // the five it leaves undefined as the C1 controls of the same value.
    static Encoding windows1252();
    static Encoding utf16(bool bigEndian);
    // The encoding a charset label names ("latin2", "Shift_JIS"), when Qt can
    // read it and ASCII reads as itself in it, so that markup can be found in
    // the bytes. Labels that browsers read as Windows-1252 (ISO-8859-1,
    // US-ASCII) give Windows-1252.
    static std::optional<Encoding> fromLabel(QByteArrayView label);

    // Its usual name: "UTF-8", "windows-1252", "ISO-8859-2", "GB2312", ...
    const QString &name() const { return m_name; }
    // True when "<", ">", quotes, "=", "/", letters and white space are the
    // ASCII bytes and never part of another character, so that markup can be
    // found in the bytes: all but UTF-16.
    bool isAsciiCompatible() const;
    // EF BB BF, FF FE or FE FF; empty for the encodings that have none.
    QByteArrayView byteOrderMark() const;

    QString decode(QByteArrayView bytes) const;
    // A character the encoding cannot hold is written as a numeric character
    // reference such as "&#322;".
    QByteArray encode(QStringView text) const;
    // True when decoding `bytes` and encoding the text gives them back
    // exactly; then `decoded` (if given) holds the text.
    bool roundTrips(QByteArrayView bytes, QString *decoded = nullptr) const;

    bool operator==(const Encoding &other) const {
        return m_kind == other.m_kind && m_name == other.m_name;
    }

private:
    enum class Kind {
        Utf8,
        Utf16Le,
        Utf16Be,
        SingleByte, // every byte one character, as m_table says
        Converter,  // Qt's converter for m_label
    };
    void appendEncoded(QStringView text, QByteArray &out) const;

    Kind m_kind = Kind::Utf8;
    QString m_name = QStringLiteral("UTF-8");
    QByteArray m_label; // the label Qt's converter is opened with
    QString m_table;    // the character of each byte value
};

} // namespace velko
