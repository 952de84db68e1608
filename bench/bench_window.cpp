// Window benchmarks, run by bench/run.sh:
//   bench_window startup START_NS   prints ms from START_NS (CLOCK_REALTIME, taken
//                                   by the caller just before starting this
//                                   process) to the main window being exposed
//   bench_window text MEGABYTES     prints ms to put a document of that size
//                                   into the document area and to read it back

#include "app/MainWindow.h"
#include "app/QtDesktopServices.h"
#include "app/TextArea.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <chrono>
#include <cstdio>

namespace {

long long nowNs() {
    using namespace std::chrono;
    return duration_cast<nanoseconds>(system_clock::now().time_since_epoch()).count();
}

QString htmlOfSize(qsizetype bytes) {
    const QString line = QStringLiteral("<p class=\"text\">Velko benchmark line with some words, a "
                                        "<a href=\"x.html\">link</a>.</p>\r\n");
    QString text = QStringLiteral("<html>\r\n<head>\r\n<title>t</title>\r\n</head>\r\n<body>\r\n");
    text.reserve(bytes + line.size());
    while (text.size() < bytes)
        text += line;
    return text;
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: bench_window startup START_NS | text MEGABYTES\n");
        return 2;
    }
    velko::QtDesktopServices desktop;
    velko::MainWindow window(desktop);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;

    if (args[1] == QLatin1String("startup")) {
        std::printf("%.1f\n", double(nowNs() - args[2].toLongLong()) / 1e6);
        return 0;
    }

    auto *area = window.findChild<velko::TextArea *>(QStringLiteral("rtfFile"));
    window.selectPage(velko::Page::HtmlFile);
    const QString text = htmlOfSize(qsizetype(args[2].toDouble() * 1024 * 1024));
    QElapsedTimer timer;
    timer.start();
    area->setText(text);
    QApplication::processEvents(); // lay out and paint what is visible
    const double setMs = double(timer.nsecsElapsed()) / 1e6;
    timer.restart();
    const QString readBack = area->text();
    const double readMs = double(timer.nsecsElapsed()) / 1e6;
    if (readBack != text)
        return 1;
    std::printf("%.1f %.1f\n", setMs, readMs);
    return 0;
}
