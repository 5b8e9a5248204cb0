// Report.cpp: diagnostics to standard error.
#include "media/Report.hpp"

#include <cstdio>
#include <string>

namespace media
{
namespace
{
// A namespace-scope object, not a function-local static: it must outlive exit handlers that
// still report (a local static made after a handler was registered dies before it runs).
ReportSink installedSink;

ReportSink& sink()
{
    return installedSink;
}
} // namespace

void reportLine(std::string_view line)
{
    if (sink()) {
        sink()(line);
        return;
    }
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

void report(std::string_view where, std::string_view message)
{
    std::string line(where);
    line += ": ";
    line += message;
    reportLine(line);
}

void setReportSink(ReportSink newSink)
{
    sink() = std::move(newSink);
}
} // namespace media
