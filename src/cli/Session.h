#pragma once

// Where a command-line mode reads and writes: standard input, its results on
// standard output, its messages on standard error ("velko: " first).

#include "fields/FormValue.h"

#include <QByteArray>
#include <QString>
#include <optional>

class QIODevice;

namespace velko {

enum ExitCode { kDone = 0, kFailed = 1, kUsage = 2 };

class Session {
public:
    Session(QIODevice &in, QIODevice &out, QIODevice &err)
        : m_in(in)
        , m_out(out)
        , m_err(err) {}

    // Writes the message and returns `code`.
    int fail(int code, const QString &message);
    // A usage error, which points to --help.
    int usageError(const QString &message);
    void warn(const QString &message) { fail(kDone, message); }
    void print(const QByteArray &bytes);

    // The bytes of the file at `path`, or of standard input for "-". Not only
    // regular files: a form or a list may come from a pipe, read up to a limit.
    std::optional<QByteArray> readInput(const QString &path);
    // --output: "-" is standard output; a FIFO or a device is written into.
    bool writeOutput(const QString &path, const QByteArray &bytes, QString *error);

    std::optional<FormValue> readForm(const QString &path);

private:
    QIODevice &m_in;
    QIODevice &m_out;
    QIODevice &m_err;
};

} // namespace velko
