// Report.hpp: the one sink every diagnostic line of the game goes through.
#pragma once

#include <functional>
#include <string_view>

namespace media
{
// Writes one diagnostic line to standard error (or to the sink a test installed).
void reportLine(std::string_view line);

// "where: message", where `where` is usually a file path, optionally with ":line".
void report(std::string_view where, std::string_view message);

// Tests capture diagnostics by installing a sink; an empty function restores standard error.
using ReportSink = std::function<void(std::string_view)>;
void setReportSink(ReportSink sink);
} // namespace media
