#pragma once

#include "cli/CommandLine.h"

#include <QBuffer>

namespace velko::test {

struct CommandLineRun {
    int code;
    QByteArray out;
    QByteArray err;
};

// velko's command line run in this process, nothing on its standard input.
inline CommandLineRun runInProcess(const QStringList &arguments) {
    QBuffer in, out, err;
    in.open(QIODevice::ReadOnly);
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    const int code = runCommandLine(QStringList{"velko"} + arguments, in, out, err);
    return {code, out.data(), err.data()};
}

} // namespace velko::test
