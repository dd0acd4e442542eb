#pragma once
// The U-value report KWcalc.DAT: the records that the result window renders and prints (display mode 44).

#include <string>
#include <vector>

#include "envelope/construction.h"

namespace veskaro {

class CaptionTable;
class RecordWriter;

inline constexpr const char* kUValueReportFile = "KWcalc.DAT";

// The report lines of a construction and its computed U-value, in file order. Table rows carry the cell
// marker "&%!", the result line the bold marker "&$$"; a lone CR is an empty line.
std::vector<std::string> UValueReportRecords(const Construction& construction, const UValueResult& u,
                                             const CaptionTable& captions);
// The record file text of those lines, one quoted string per line.
RecordWriter UValueReportText(const std::vector<std::string>& records);

} // namespace veskaro
