// The Web Tags previews, worked out as one keystroke does: the search result
// and the social card for a form with a 200-character title and description.
// Google Benchmark; bench/run.sh reports the mean per update.

#include "tags/WebPreview.h"

#include <benchmark/benchmark.h>

namespace {

using velko::Field;

// 200 characters: words of the example record's kind, or one word without
// a blank, where the card's lines must be broken inside it.
QString text(bool words) {
    const QString source =
        words ? QStringLiteral("Harbordale helps webmasters with free resources such as graphics, "
                               "tutorials, scripts, icons, articles and the Velko meta tag maker. ")
              : QStringLiteral("Harbordale");
    return source.repeated(200 / source.size() + 1).left(200);
}

void updatePreviews(benchmark::State &state) {
    velko::FormValue form;
    form[Field::Title] = text(state.range(0) != 0);
    form[Field::Description] = text(state.range(0) != 0) + QStringLiteral("!");
    form[Field::CanonicalUrl] = QStringLiteral("https://www.harbordale.example/guides/meta-tags/");
    form[Field::OgImage] = QStringLiteral("https://www.harbordale.example/card.png");
    for (auto _ : state) {
        benchmark::DoNotOptimize(velko::searchResult(form));
        benchmark::DoNotOptimize(velko::socialCard(form));
    }
}
BENCHMARK(updatePreviews)->ArgName("words")->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
