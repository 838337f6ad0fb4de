// Times reading a page of many image rules back into element records, for two page sizes, and prints min
// and median per size and the ratio of the medians. Reading grows with the page: a ratio near the size
// ratio is linear, one near its square is quadratic.
//
//   ImageRulesBench [rules=3000] [runs=5]
#include "BenchPage.h"
#include "document/format/PageText.h"

#include <algorithm>
#include <cstdio>

namespace {

// A stored page of image rules with their body markup; images without picture files, as in a page
// whose pictures were lost, so that only the reading is timed.
QString pageOfImageRules(int rules)
{
    QStringList lines = {
        QStringLiteral("<!DOCTYPE html>"), QStringLiteral("<html><head><title>Bench</title>"),
        QStringLiteral("<!--Custom Header Code:0-->"), QString(), QStringLiteral("<style type=text/css>")};
    for (int i = 0; i < rules; ++i)
        lines << QStringLiteral(".image%1{position:absolute;left:%2px;top:%3px;z-index:%4;imagename:image%1;"
                                "imagetype:PNG;width:40px;height:30px;}")
                     .arg(i)
                     .arg(10 + (i % 20) * 45)
                     .arg(10 + (i / 20) * 35)
                     .arg(i + 1);
    lines << QStringLiteral("</style></head>") << QStringLiteral("<body bgcolor=#FFFFFF>")
          << QStringLiteral("<div id=content>");
    for (int i = 0; i < rules; ++i)
        lines << QStringLiteral(
                     "<div class=image%1 ><img src=\"bench/image%1.PNG\" alt=\"Picture %1\"></div>")
                     .arg(i);
    lines << QStringLiteral("</div></body></html>");
    return lines.join(u'\n');
}

struct Timing {
    double min;
    double median;
};

Timing timeReading(const BenchPage::Process& process, int rules, int runs)
{
    const QString folder = process.filePath(QStringLiteral("rules%1").arg(rules));
    QDir().mkpath(folder + QStringLiteral("/bench"));
    const QString path = folder + QStringLiteral("/bench.html");
    PageText::write(path, pageOfImageRules(rules));
    const QString text = PageText::read(path);
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        SKTDocument document;
        document.setPagePath(path);
        const auto start = std::chrono::steady_clock::now();
        const ElementRecordList records =
            document.presentObjects(text, QStringLiteral("bench"), {}, QStringLiteral("bench"), path);
        times.push_back(Bench::millisecondsSince(start));
        if (records.size() != rules) {
            std::fprintf(stderr, "read %lld records of %d\n", qlonglong(records.size()), rules);
            std::exit(1);
        }
    }
    std::sort(times.begin(), times.end());
    return {times.front(), times[times.size() / 2]};
}

} // namespace

int main(int argc, char** argv)
{
    const BenchPage::Process process(argc, argv);
    const int rules = argc > 1 ? std::max(10, std::atoi(argv[1])) : 3000;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    const Timing small = timeReading(process, rules / 10, runs);
    const Timing large = timeReading(process, rules, runs);
    std::printf("ImageRulesBench: %5d rules: min %8.1f ms, median %8.1f ms\n", rules / 10, small.min,
                small.median);
    std::printf("ImageRulesBench: %5d rules: min %8.1f ms, median %8.1f ms\n", rules, large.min,
                large.median);
    std::printf("ImageRulesBench: ten times the rules take %.1f times as long (linear 10, quadratic 100)\n",
                large.median / std::max(small.median, 0.001));
    return 0;
}
