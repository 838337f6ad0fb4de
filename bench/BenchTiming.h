#pragma once

// Timing shared by the benchmarks: steps timed over runs, the plain tools they are measured against, and
// one printed row per step with the tool's times and the ratio of the medians.
#include <QProcess>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace Bench {

inline double millisecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// The times of one measured step over the runs.
class Times {
public:
    void add(double milliseconds) { m_times.push_back(milliseconds); }
    double min() const { return *std::min_element(m_times.begin(), m_times.end()); }
    double median() const
    {
        std::vector<double> sorted = m_times;
        std::sort(sorted.begin(), sorted.end());
        return sorted[sorted.size() / 2];
    }

private:
    std::vector<double> m_times;
};

// Runs an archive tool to its end and answers how long it took; exits the benchmark when it fails.
inline double timedTool(const QString& program, const QStringList& arguments, const QString& folder = {})
{
    QProcess tool;
    tool.setWorkingDirectory(folder);
    const auto start = std::chrono::steady_clock::now();
    tool.start(program, arguments);
    if (!tool.waitForFinished(-1) || tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0) {
        std::fprintf(stderr, "%s failed: %s\n", qPrintable(program), tool.readAllStandardError().constData());
        std::exit(1);
    }
    return millisecondsSince(start);
}

inline void printRow(const char* what, const Times& ours, const Times& tool, const char* toolName)
{
    std::printf("%-26s min %8.1f ms  median %8.1f ms   %-8s min %8.1f ms  median %8.1f ms   ratio %.2f\n", what,
                ours.min(), ours.median(), toolName, tool.min(), tool.median(), ours.median() / tool.median());
}

} // namespace Bench
