#include "cli/CommandLine.h"
#include "cli/WindowStart.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <cstdio>

namespace {

// The command-line modes run on a plain QCoreApplication: no display needed.
int runWithoutWindow(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velko"));
    QFile in, out, err;
    in.open(stdin, QIODevice::ReadOnly);
    out.open(stdout, QIODevice::WriteOnly);
    err.open(stderr, QIODevice::WriteOnly);
    return velko::runCommandLine(QCoreApplication::arguments(), in, out, err);
}

// The window lives in a module beside the program (in the build tree) or in
// ../lib/velko (installed).
int runWindow(int argc, char *argv[]) {
    using RunWindow = int (*)(int, char *[]);
    const QString folder = QFileInfo(QStringLiteral("/proc/self/exe"))
                               .canonicalFilePath()
                               .section(QLatin1Char('/'), 0, -2);
    QString errors;
    for (const QString &candidate : {folder + QStringLiteral("/velko-window.so"),
                                     folder + QStringLiteral("/../lib/velko/velko-window.so")}) {
        QLibrary module(candidate);
        if (const auto run = reinterpret_cast<RunWindow>(module.resolve("velkoRunWindow")))
            return run(argc, argv);
        errors += QStringLiteral("\n  ") + module.errorString();
    }
    std::fprintf(stderr, "velko: cannot load the window:%s\n", qPrintable(errors));
    return 1;
}

} // namespace

int main(int argc, char *argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const velko::SortedArguments sorted = velko::sortArguments(arguments);
    if (sorted.start != velko::Start::Window)
        return runWithoutWindow(argc, argv);
    const QString problem =
        velko::windowStartProblem(sorted, QProcessEnvironment::systemEnvironment());
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "velko: %s\n", qPrintable(problem));
        return 1;
    }
    return runWindow(argc, argv);
}
